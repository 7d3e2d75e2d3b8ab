#pragma once
// The four notification-area icons, drawn at start: a coloured square
// for each state of the connections.
#include "platform/tray.h"
#include "platform/win32/windows_api.h"

namespace ov::win32 {

HICON trayIcon(TrayIconImage image);

}  // namespace ov::win32
