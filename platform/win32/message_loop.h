#pragma once
// The program's message loop: runs until the main window is gone.
#include "platform/win32/window_system.h"

namespace ov::win32 {

// Returns the exit code the window posted with WM_QUIT.
int runMessageLoop(WindowSystem& windows);

}  // namespace ov::win32
