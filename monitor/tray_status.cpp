#include "monitor/tray_status.h"

namespace ov::monitor {

TrayIconImage trayIconFor(const CycleCounters& counters) {
  if (counters.sessionsThisCycle == 0) return TrayIconImage::idle;
  if (counters.userlessSessionSeen) return TrayIconImage::userless;
  if (counters.openFilesThisCycle == 0) return TrayIconImage::connected;
  return TrayIconImage::files;
}

std::string trayTip(const CycleCounters& counters) {
  return "Соединений:" + std::to_string(counters.sessionsThisCycle) +
         "; Открыто:" + std::to_string(counters.openFilesThisCycle);
}

}  // namespace ov::monitor
