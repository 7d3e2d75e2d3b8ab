#include "monitor/file_log.h"

#include <algorithm>

#include "monitor/file_log_line.h"
#include "monitor/history_rows.h"
#include "platform/text/cp1251.h"
#include "platform/text/text_file.h"
#include "platform/text/utf8.h"

namespace ov::monitor {

namespace {

constexpr std::size_t kComputerChars = 31;
constexpr std::string_view kLoopbackAddress = "127.0.0.1";
// Stored with every history row and never shown.
constexpr std::string_view kHiddenColumn = "-";

}  // namespace

FileLog::FileLog(const FileLogView& view, const FileLogSettings& settings,
                 const FileLogParts& parts, Clock& clock, Locale& locale)
    : view_(view),
      settings_(settings),
      parts_(parts),
      clock_(clock),
      locale_(locale) {}

void FileLog::fileLogStep(std::string_view path, std::string_view user) {
  if (!settings_.logEnabled) return;
  // A file that stays open is recorded once, even when more files are open
  // than the ring remembers.
  const OpeningView opening = OpenedFileRing::cut(path, user);
  if (stillOpen_.metAgain(opening)) return;
  if (ring_.contains(opening)) {
    stillOpen_.markOpen(opening);
    return;
  }
  if (inUnloggedPath(path)) return;
  const std::string_view computer = utf8Prefix(
      parts_.connections.computerForUser(user).value_or(""), kComputerChars);
  if (view_.cb_ignorelocal.checked() && isLocal(computer)) return;
  record(path, user, computer);
}

void FileLog::record(std::string_view path, std::string_view user,
                     std::string_view computerName) {
  // Copied: a rule's action may change the tables the name lives in.
  const std::string computer(computerName);
  // The line logs the path as the ring keeps it.
  const OpenedFileRing::Entry& stored = ring_.remember(path, user);
  stillOpen_.markOpen({stored.path, stored.userName});
  const std::string loggedPath = stored.path;
  const LocalDateTime moment = clock_.now();
  const std::string longTime = locale_.longTime(moment);
  appendHistoryRow(
      view_.lv_fileshist,
      {computer,
       {std::string(path), locale_.shortDate(moment) + " " + longTime,
        std::string(kHiddenColumn)}});
  parts_.connections.countFileOpening(computer, user);
  if (view_.cb_rules.checked()) {
    // The rules act on the address of the session the opening belongs to.
    const std::string address(
        computer.empty() ? std::string_view()
                         : parts_.addresses.addressOf(computer).value_or(""));
    parts_.rules.fileEvent(address, path);
  }
  ++parts_.counters.loggedOpeningsThisMinute;
  view_.lv_fileshist.scrollLineDown();
  // A log that cannot be opened loses the line; what was recorded stays.
  appendFileBytes(
      view_.t_log.text(),
      utf8ToCp1251(fileLogLine(moment, longTime, computer, loggedPath)));
}

bool FileLog::inUnloggedPath(std::string_view path) const {
  return std::any_of(settings_.unloggedPaths.begin(),
                     settings_.unloggedPaths.end(),
                     [path](const std::string& unlogged) {
                       return !unlogged.empty() &&
                              path.find(unlogged) != std::string_view::npos;
                     });
}

bool FileLog::isLocal(std::string_view computer) const {
  // Without a host name only the loopback address is known to be local.
  const std::string& local = settings_.localHostName;
  return (!local.empty() && computer == local) || computer == kLoopbackAddress;
}

}  // namespace ov::monitor
