#include "platform/win32/user_locale.h"

#include <iterator>

#include "platform/win32/window_text.h"
#include "platform/win32/windows_api.h"

namespace ov::win32 {

namespace {

SYSTEMTIME systemTime(const LocalDateTime& t) {
  SYSTEMTIME s{};
  s.wYear = static_cast<WORD>(t.year);
  s.wMonth = static_cast<WORD>(t.month);
  s.wDayOfWeek = static_cast<WORD>(t.dayOfWeek);
  s.wDay = static_cast<WORD>(t.day);
  s.wHour = static_cast<WORD>(t.hour);
  s.wMinute = static_cast<WORD>(t.minute);
  s.wSecond = static_cast<WORD>(t.second);
  s.wMilliseconds = static_cast<WORD>(t.millisecond);
  return s;
}

}  // namespace

std::string UserLocale::longTime(const LocalDateTime& t) {
  const SYSTEMTIME s = systemTime(t);
  wchar_t text[64];
  const int length = GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &s, nullptr, text,
                                    ARRAYSIZE(text));
  return length > 0 ? utf8Text({text, static_cast<size_t>(length - 1)}) : "";
}

std::string UserLocale::shortDate(const LocalDateTime& t) {
  const SYSTEMTIME s = systemTime(t);
  wchar_t text[64];
  const int length = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &s,
                                    nullptr, text, ARRAYSIZE(text));
  return length > 0 ? utf8Text({text, static_cast<size_t>(length - 1)}) : "";
}

std::string UserLocale::upperCase(std::string_view text) {
  std::wstring wide = wideText(text);
  CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return utf8Text(wide);
}

std::string UserLocale::thousandsSeparator() {
  wchar_t separator[8] = L"";  // the system allows at most 4 characters
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator,
                     static_cast<int>(std::size(separator))) == 0)
    return " ";
  return utf8Text(separator);
}

}  // namespace ov::win32
