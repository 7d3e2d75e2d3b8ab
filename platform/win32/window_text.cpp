#include "platform/win32/window_text.h"

#include "platform/text/utf16.h"

namespace ov::win32 {

std::wstring wideText(std::string_view utf8) { return utf8ToWide(utf8); }

std::string utf8Text(std::wstring_view wide) { return wideToUtf8(wide); }

void setWindowText(HWND hwnd, std::string_view utf8) {
  SetWindowTextW(hwnd, wideText(utf8).c_str());
}

std::string windowText(HWND hwnd) {
  std::wstring text(GetWindowTextLengthW(hwnd) + 1, L'\0');
  text.resize(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size())));
  return utf8Text(text);
}

}  // namespace ov::win32
