#pragma once
// The tray icon and tooltip that tell the cycle's counts at a glance.
#include <string>

#include "monitor/cycle_counters.h"
#include "platform/tray.h"

namespace ov::monitor {

// Idle without sessions, connected without open files, files otherwise; a
// session without a user name shows the user-less icon instead.
TrayIconImage trayIconFor(const CycleCounters& counters);

// "Соединений:2; Открыто:5"
std::string trayTip(const CycleCounters& counters);

}  // namespace ov::monitor
