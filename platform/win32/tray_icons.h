#pragma once
// The four notification-area icons, drawn at start: a coloured square
// for each state of the connections.
#include "platform/tray.h"
// After the port: the shell's macros take its constants' names.
#include <windows.h>

namespace ov::win32 {

HICON trayIcon(TrayIconImage image);

}  // namespace ov::win32
