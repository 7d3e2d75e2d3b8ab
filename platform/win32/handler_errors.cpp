#include "platform/win32/handler_errors.h"

#include <exception>
#include <string>

#include "platform/win32/window_text.h"

namespace ov::win32 {

namespace {

std::string currentErrorText() {
  try {
    throw;
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return "Неизвестная ошибка";
  }
}

}  // namespace

void showHandlerError(HWND hwnd) {
  const std::wstring text = wideText(currentErrorText());
  HWND top = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
  wchar_t caption[256] = L"";
  if (top) GetWindowTextW(top, caption, 256);
  MessageBoxW(top, text.c_str(), caption, MB_OK | MB_ICONERROR);
}

}  // namespace ov::win32
