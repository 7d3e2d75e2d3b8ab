#include "tests/wine/win32/win32_test.h"

namespace ov::win32 {

Win32Test::Win32Test()
    : form(windows.createForm({"Form1", {0, 0, 598, 363}, "Orvane", ""})) {
  form.setWindowState(ui::WindowState::normal);
}

HWND Win32Test::hwndOf(ui::Control& control) {
  return dynamic_cast<NativeWindow&>(control).hwnd();
}

bool Win32Test::pumpMessages() {
  bool quit = false;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) quit = true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return quit;
}

void Win32Test::notifyParent(HWND control, WORD code) {
  SendMessageW(GetParent(control), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(control), code),
               reinterpret_cast<LPARAM>(control));
}

std::wstring Win32Test::textOf(HWND hwnd) {
  wchar_t text[256];
  return std::wstring(text, GetWindowTextW(hwnd, text, 256));
}

}  // namespace ov::win32
