#pragma once
// Numbers of the icons in the program's resources; read by the resource
// compiler too, so only plain defines.
#define IDI_ORVANE 1
#define IDI_TRAY_IDLE 101
#define IDI_TRAY_CONNECTED 102
#define IDI_TRAY_FILES 103
#define IDI_TRAY_USERLESS 104
