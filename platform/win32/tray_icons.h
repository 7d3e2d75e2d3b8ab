#pragma once
// The four notification-area icons, one for each state of the
// connections, from the program's resources.
#include "platform/tray.h"
#include "platform/win32/windows_api.h"

namespace ov::win32 {

// At the size of a small icon; null for none, or where the program holds
// no such resource.
HICON trayIcon(TrayIconImage image);

// The program's own icon at the size of a large or of a small icon; the
// system's application icon where the program holds none.
HICON programIcon(bool small);

}  // namespace ov::win32
