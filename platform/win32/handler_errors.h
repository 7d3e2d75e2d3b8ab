#pragma once
// An error a handler raises stops where the system called into the
// program: at the window procedures and the message loop. It is shown in
// the framework's error box and the program goes on, as it would had the
// handler ended normally.
#include <utility>

#include "platform/win32/windows_api.h"

namespace ov::win32 {

// The error box for the exception being handled, over the top-level window
// of `hwnd` and with its caption.
void showHandlerError(HWND hwnd);

// Runs `body`; false when it raised an error, which has then been shown.
template <typename Body>
bool runGuarded(HWND hwnd, Body&& body) {
  try {
    std::forward<Body>(body)();
    return true;
  } catch (...) {
    showHandlerError(hwnd);
    return false;
  }
}

}  // namespace ov::win32
