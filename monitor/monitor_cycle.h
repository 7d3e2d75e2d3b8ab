#pragma once
// The monitor's main loop, one whole cycle per tick of Timer3: the watched
// server's sessions and open files are shown, checked, announced and logged,
// the tracked connections kept up to date and the tray icon told the counts.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "monitor/access_policy.h"
#include "monitor/connection_table.h"
#include "monitor/cycle_counters.h"
#include "monitor/file_log.h"
#include "monitor/monitor_view.h"
#include "monitor/reentry_guard.h"
#include "monitor/rules.h"
#include "monitor/session_addresses.h"
#include "monitor/tray_notices.h"
#include "monitor/watched_server.h"
#include "platform/clock.h"
#include "platform/filesystem.h"
#include "platform/locale.h"
#include "platform/netapi.h"
#include "platform/sockets.h"
#include "platform/sound.h"

namespace ov::monitor {

struct MonitorPorts {
  NetApi& net;
  Sockets& sockets;
  FileSystem& files;
  Sound& sound;
  Clock& clock;
  Locale& locale;
};

// The model the cycle keeps up to date and the steps it hands entries to.
struct MonitorParts {
  const WatchedServer& server;
  ConnectionTable& connections;
  CycleCounters& counters;
  SessionAddresses& addresses;
  AccessPolicy& policy;
  RuleTable& rules;
  FileLog& fileLog;
  TrayNotices& tray;
};

class MonitorCycle {
 public:
  MonitorCycle(const MonitorView& view, const MonitorPorts& ports,
               const MonitorParts& parts);

  // Runs one whole cycle. A call made while a cycle runs (a tick delivered
  // by a modal loop opened inside it) returns at once.
  void run();
  bool running() const { return guard_.busy(); }

 private:
  // One session, whichever level reported it.
  struct SessionFacts {
    std::string_view client;
    std::string_view user;
    std::string_view clientSystem;  // empty at level 10
    uint32_t seconds = 0;
  };

  void start();
  // Returns whether every session was read.
  bool sessionsPass();
  void sizeConnsGrid(std::size_t sessionsListed);
  template <typename SessionInfo>
  void handleSession(const SessionInfo& info, std::size_t position);
  void announceNewConnection(const SessionFacts& session,
                             const std::string& address);
  void listClientShares(std::string_view client);
  void openFilesPass();
  void handleOpenFile(const FILE_INFO_3& file, std::size_t position);
  void updateTray();
  bool pageShowing(int page) const;

  MonitorView view_;
  MonitorPorts ports_;
  MonitorParts parts_;
  ReentryGuard guard_;
  // The server and session level, fixed for the length of one cycle.
  std::string server_;
  uint32_t sessionLevel_ = kLocalSessionLevel;
};

}  // namespace ov::monitor
