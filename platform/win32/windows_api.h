#pragma once
// <windows.h> for the Win32 layer. Some ports name their constants and
// members as the system does (MB_OK, NIF_TIP, ERROR_ACCESS_DENIED,
// PlaySound, RegOpenKeyEx ...): they are read first, so that the system's
// macros of the same names, defined after them, cannot break them.
#include "platform/netapi.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/service_control.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/tray.h"
#include "platform/ui.h"
// After the ports; Winsock 2 first, as windows.h would bring the old one.
// clang-format off
#include <winsock2.h>
#include <windows.h>
// clang-format on
// The shell's calls, so that their names are taken back below too.
#include <shellapi.h>

// The ports' members, not the system's A/W names.
#undef CreateProcess
#undef OpenSCManager
#undef OpenService
#undef PlaySound
#undef RegDeleteValue
#undef RegOpenKeyEx
#undef RegQueryValueEx
#undef RegSetValueEx
#undef ShellExecute
#undef Shell_NotifyIcon
