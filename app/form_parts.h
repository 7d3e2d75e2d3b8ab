#pragma once
// What the main form keeps besides its controls, as views: the monitor's
// parts, the settings kept outside their controls, the tool dialogs, the
// traffic parts and the window's own state.
#include <cstdint>
#include <string>
#include <vector>

#include "admin/dialog_button_handler.h"
#include "admin/run_time_dialog.h"
#include "monitor/monitor_cycle.h"
#include "platform/clock.h"
#include "traffic/activity_history.h"
#include "traffic/hover_watch.h"
#include "traffic/ttraffic.h"

namespace ov {

struct MonitorPartsView {
  monitor::WatchedServer& watchedServer;
  monitor::CycleCounters& cycleCounters;
  monitor::SessionAddresses& sessionAddresses;
  monitor::ConnectionTable& connections;
  monitor::RuleTable& rules;
  monitor::MonitorCycle& monitorCycle;
  // Share paths whose files are not logged; the share refresh fills it.
  std::vector<std::string>& UnloggedPaths;
  // Upper case, taken once at start-up; empty when it cannot be read.
  std::string& LocalHostName;
};

// "OV.CFG" settings kept outside their controls.
struct KeptSettingsView {
  bool& LogEnabled;   // Log/Use; follows logbox
  bool& IgnoreLocal;  // Log/LocalCheck; follows cb_ignorelocal
  int& AutoKick;      // Kick/AutoKick: idle kick on when not 0
  int& KickTime;      // Kick/KickTime: idle minutes; follows kicktime
  // Hot keys as registered: modifier bits 1 Alt, 2 Ctrl, 4 Shift.
  uint16_t& Key;
  uint16_t& Mod;
  uint16_t& KickKey;
  uint16_t& KickMod;
};

// The run-time dialog open now and what the shared button handler does
// for each tool's button.
struct ToolDialogsView {
  admin::CurrentDialog& currentDialog;
  admin::DialogBranches& dialogBranches;
};

struct TrafficPartsView {
  TTraffic& traffic;
  ActivityHistory& activity;
  HoverWatch& hoverWatch;
};

struct RunStateView {
  Timer& Timer2;  // the minute tick
  Timer& Timer3;  // the monitor cycle
  bool& HiddenInTray;
  uint32_t& UptimeSeconds;  // counted by Timer1 since start
};

}  // namespace ov
