#pragma once
// Recording new file openings: the ring of logged openings, the file
// history list and the file log.
#include <string>
#include <string_view>
#include <vector>

#include "monitor/connection_table.h"
#include "monitor/cycle_counters.h"
#include "monitor/opened_file_ring.h"
#include "monitor/rules.h"
#include "monitor/session_addresses.h"
#include "monitor/still_open_files.h"
#include "platform/clock.h"
#include "platform/locale.h"
#include "platform/ui.h"

namespace ov::monitor {

// The main window's controls the file log reads and writes; read live.
struct FileLogView {
  ui::ListView& lv_fileshist;
  ui::Edit& t_log;               // the log file's name
  ui::CheckBox& cb_ignorelocal;  // openings from this computer are skipped
  ui::CheckBox& cb_rules;        // rule events are raised
};

// Settings kept outside the controls.
struct FileLogSettings {
  const bool& logEnabled;                         // follows logbox
  const std::string& localHostName;               // upper case, from start-up
  const std::vector<std::string>& unloggedPaths;  // share paths not logged
};

// The model the file log attributes, counts and raises events through.
struct FileLogParts {
  ConnectionTable& connections;
  const SessionAddresses& addresses;
  CycleCounters& counters;
  RuleTable& rules;
};

class FileLog {
 public:
  FileLog(const FileLogView& view, const FileLogSettings& settings,
          const FileLogParts& parts, Clock& clock, Locale& locale);

  // Around the entries of one open-file pass; complete when the whole list
  // was read.
  void beginOpenFiles() { stillOpen_.beginPass(); }
  void endOpenFiles(bool complete) { stillOpen_.endPass(complete); }
  // One open-file entry that is neither a directory nor a passed-over pipe.
  void fileLogStep(std::string_view path, std::string_view user);

  const OpenedFileRing& ring() const { return ring_; }

 private:
  bool inUnloggedPath(std::string_view path) const;
  bool isLocal(std::string_view computer) const;
  void record(std::string_view path, std::string_view user,
              std::string_view computer);

  FileLogView view_;
  FileLogSettings settings_;
  FileLogParts parts_;
  Clock& clock_;
  Locale& locale_;
  OpenedFileRing ring_;
  StillOpenFiles stillOpen_;
};

}  // namespace ov::monitor
