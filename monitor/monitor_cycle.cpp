#include "monitor/monitor_cycle.h"

#include "monitor/tray_status.h"

namespace ov::monitor {

MonitorCycle::MonitorCycle(const MonitorView& view, const MonitorPorts& ports,
                           const MonitorParts& parts)
    : view_(view), ports_(ports), parts_(parts) {}

void MonitorCycle::run() {
  guard_.run([this] {
    start();
    const bool sessionsRead = sessionsPass();
    openFilesPass();
    updateTray();
    // Connections the server could not be asked about have not ended.
    if (sessionsRead)
      parts_.connections.retireEndedConnections(view_.lv_connhist,
                                                view_.cb_lognullconn.checked());
    parts_.counters.endCycle();
  });
}

void MonitorCycle::start() {
  server_ = parts_.server.name();
  sessionLevel_ = parts_.server.sessionLevel();
  parts_.counters.startCycle();
  view_.ListBox4.clear();
  parts_.connections.clearSeenFlags();
  parts_.addresses.clear();
}

void MonitorCycle::updateTray() {
  const CycleCounters& counters = parts_.counters;
  if (!counters.changedSinceLastCycle()) return;
  parts_.tray.Modify(trayIconFor(counters), trayTip(counters));
}

bool MonitorCycle::pageShowing(int page) const {
  return view_.stranichki.activePage() == page;
}

}  // namespace ov::monitor
