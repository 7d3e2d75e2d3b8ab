#pragma once
// A form on the real window system for each test, and the helpers that act
// on the native windows as the system does when a user acts.
// The system's headers through the layer's own, before GoogleTest's.
#include "platform/win32/windows_api.h"
// (after it)
#include <commctrl.h>
#include <gtest/gtest.h>

#include "platform/win32/native_window.h"
#include "platform/win32/window_system.h"

namespace ov::win32 {

class Win32Test : public ::testing::Test {
 protected:
  Win32Test();

  static HWND hwndOf(ui::Control& control);
  // Delivers the posted messages; true when WM_QUIT was among them.
  static bool pumpMessages();
  // What a control sends its parent after a user action.
  static void notifyParent(HWND control, WORD code);
  static std::wstring textOf(HWND hwnd);

  WindowSystem windows;
  ui::Form& form;
};

}  // namespace ov::win32
