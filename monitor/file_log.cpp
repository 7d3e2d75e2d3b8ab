#include "monitor/file_log.h"

#include <algorithm>

#include "monitor/file_log_line.h"
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
  if (ring_.contains(path, user)) return;
  if (inUnloggedPath(path)) return;
  const std::string computer = utf8Cut(
      parts_.connections.computerForUser(user).value_or(""), kComputerChars);
  if (view_.cb_ignorelocal.checked() && isLocal(computer)) return;

  // The line logs the path as the ring keeps it.
  const std::string loggedPath = ring_.remember(path, user).path;
  const LocalDateTime moment = clock_.now();
  view_.lv_fileshist.addItem(
      {computer,
       {std::string(path),
        locale_.shortDate(moment) + " " + locale_.longTime(moment),
        std::string(kHiddenColumn)}});
  parts_.connections.countFileOpening(computer, user);
  if (view_.cb_rules.checked()) {
    // The rules act on the address of the session the opening belongs to.
    const std::string address =
        computer.empty()
            ? std::string()
            : parts_.addresses.addressOf(computer).value_or(std::string());
    parts_.rules.fileEvent(address, path);
  }
  ++parts_.counters.loggedOpeningsThisMinute;
  view_.lv_fileshist.scrollLineDown();
  appendLogLine(moment, computer, loggedPath);
}

bool FileLog::inUnloggedPath(std::string_view path) const {
  return std::any_of(settings_.unloggedPaths.begin(),
                     settings_.unloggedPaths.end(),
                     [path](const std::string& unlogged) {
                       return !unlogged.empty() &&
                              path.find(unlogged) != std::string_view::npos;
                     });
}

bool FileLog::isLocal(const std::string& computer) const {
  // Without a host name only the loopback address is known to be local.
  const std::string& local = settings_.localHostName;
  return (!local.empty() && computer == local) || computer == kLoopbackAddress;
}

void FileLog::appendLogLine(const LocalDateTime& moment,
                            const std::string& computer,
                            const std::string& path) {
  // A log that cannot be opened loses the line; what was recorded stays.
  appendTextFile(view_.t_log.text(),
                 fileLogLine(moment, locale_.longTime(moment), computer, path));
}

}  // namespace ov::monitor
