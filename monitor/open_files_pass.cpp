// The open-files pass of the monitor cycle: every open-file entry of the
// watched server is shown, checked, limited, counted and handed to the file
// log.
#include "monitor/display_rows.h"
#include "monitor/grid_rows.h"
#include "monitor/monitor_cycle.h"
#include "monitor/net_enum.h"

namespace ov::monitor {

namespace {

constexpr uint32_t kFileLevel = 3;

// A path that begins with a backslash is a named pipe.
bool isPipe(const std::string& path) {
  return !path.empty() && path.front() == '\\';
}

}  // namespace

void MonitorCycle::openFilesPass() {
  // Positions run on across batches: one row per entry, and the open-file
  // limit counts every entry listed before.
  std::size_t listed = 0;
  parts_.fileLog.beginOpenFiles();
  const NetStatus status = enumerateAll(
      [&](uint32_t& resumeHandle) {
        return ports_.net.NetFileEnum(server_, kFileLevel, MAX_PREFERRED_LENGTH,
                                      resumeHandle);
      },
      [&](const NetBatch<FILE_INFO_3>& batch) {
        fitGridRows(view_.st_files, listed + batch.entries.size());
        for (const FILE_INFO_3& file : batch.entries)
          handleOpenFile(file, listed++);
      });
  parts_.fileLog.endOpenFiles(status == NERR_Success);
}

void MonitorCycle::handleOpenFile(const FILE_INFO_3& file,
                                  std::size_t position) {
  const bool isDirectory = ports_.files.isDirectory(file.fi3_pathname);
  if (pageShowing(kConnectionsPage) &&
      view_.Form1.windowState() == ui::WindowState::normal)
    writeGridRow(view_.st_files, position + 1, filesGridRow(file, isDirectory));

  parts_.policy.openFileChecks(file.fi3_id);
  if (view_.cb_logsys.checked() && isPipe(file.fi3_pathname)) return;
  parts_.policy.openFileLimit(file.fi3_id, position);
  if (isDirectory) return;
  ++parts_.counters.openFilesThisCycle;
  parts_.fileLog.fileLogStep(file.fi3_pathname, file.fi3_username);
}

}  // namespace ov::monitor
