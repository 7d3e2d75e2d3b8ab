#pragma once
// The real main window on the Win32 controls, over a machine with no
// network, at its default size.
#include "tests/wine/win32/win32_test.h"
// (after the system's headers)
#include "app/form1.h"
#include "platform/win32/user_locale.h"
#include "tests/support/inert_lan.h"

namespace ov::win32 {

struct MainForm {
  InertMachine machine;
  UserLocale locale;
  WindowSystem windows;
  Services services = machine.services(locale, windows, "C:\\");
  TForm1 form{services};
};

inline HWND windowOf(ui::Control& control) {
  return dynamic_cast<NativeWindow&>(control).hwnd();
}

inline void pumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace ov::win32
