#pragma once
// The report programs beside this one: tallyrep on the traffic log and
// connrep on the file log. Each is run hidden and waited for; its report
// is then opened by the shell.
#include <optional>
#include <string>

#include "platform/process.h"
#include "platform/program_location.h"
#include "platform/shell.h"
#include "platform/ui.h"

namespace ov {

class ReportPrograms {
 public:
  // Messages are shown over `owner`.
  ReportPrograms(ProcessPort& processes, ShellPort& shell,
                 ui::WindowSystem& windows, ui::Form& owner,
                 const ProgramFolder& folder)
      : processes_(processes),
        shell_(shell),
        windows_(windows),
        owner_(owner),
        folder_(folder) {}

  // "report_t.txt" in the working folder, from the traffic log.
  void TrafficReport(const std::string& trafficLog);
  // "report.txt" in the working folder, from the file log.
  void ConnectionsReport(const std::string& fileLog);

 private:
  // Runs a command line and waits; says so when it cannot. The program's
  // exit code; nothing when it could not be started.
  std::optional<int> RunModuleAndWait(const std::string& commandLine);
  // A path as one item of a command line: its short form where the
  // platform has one, and quoted where blanks remain.
  std::string CommandItem(const std::string& path);

  ProcessPort& processes_;
  ShellPort& shell_;
  ui::WindowSystem& windows_;
  ui::Form& owner_;
  const ProgramFolder& folder_;
};

}  // namespace ov
