// The report programs on their own: the command line each is given, the
// report opened after it, and what is shown when one cannot run.
#include "traffic/report_programs.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/headless/window_system.h"
#include "platform/journal.h"
#include "tests/support/contains.h"

namespace ov::test {
namespace {

class ScriptedProcesses : public ProcessPort {
 public:
  std::optional<int> CreateProcess(std::string_view commandLine,
                                   const ProcessStart& start) override {
    started.emplace_back(commandLine);
    hidden = start.creationFlags == kHiddenConsole.creationFlags &&
             start.startupFlags == kHiddenConsole.startupFlags &&
             start.showWindow == kHiddenConsole.showWindow;
    return exitCode;
  }
  std::optional<std::string> ShortPath(std::string_view path) override {
    const auto found = shortPaths.find(std::string(path));
    if (found == shortPaths.end()) return std::nullopt;
    return found->second;
  }

  std::optional<int> exitCode = 0;
  std::map<std::string, std::string> shortPaths;
  std::vector<std::string> started;
  bool hidden = false;
};

class RecordingShell : public ShellPort {
 public:
  void ShellExecute(std::optional<std::string_view> verb,
                    std::string_view file) override {
    opened.push_back((verb ? std::string(*verb) : "-") + " " +
                     std::string(file));
  }
  void WNetConnectionDialog(uint32_t) override {}
  std::vector<std::string> opened;
};

struct Reports {
  Reports() {
    windows.setJournal(&journal);
    owner = &windows.createForm({"Form1", {0, 0, 600, 400}, "Orvane"});
  }
  ReportPrograms programs() {
    return {processes, shell, windows, *owner, folder};
  }
  // The message boxes shown, by their texts.
  std::vector<std::string> boxes() const {
    std::vector<std::string> shown;
    for (const std::string& line : journal.lines())
      if (contains(line, "MessageBox")) shown.push_back(line);
    return shown;
  }

  ScriptedProcesses processes;
  RecordingShell shell;
  Journal journal{[] { return uint64_t{0}; }};
  headless::WindowSystem windows;
  ui::Form* owner = nullptr;
  ProgramFolder folder{"C:\\Program Files\\Orvane\\"};
};

using Lines = std::vector<std::string>;

TEST(ReportPrograms, EachRunsHiddenOnItsLogAndItsReportIsOpened) {
  Reports reports;
  reports.processes.shortPaths["C:\\Program Files\\Orvane\\traffic.log"] =
      "C:\\PROGRA~1\\Orvane\\traffic.log";
  reports.programs().TrafficReport("C:\\Program Files\\Orvane\\traffic.log");
  // A log without a short form is quoted where it holds blanks.
  reports.programs().ConnectionsReport("D:\\My Logs\\netfiles.log");
  reports.programs().ConnectionsReport("netfiles.log");
  EXPECT_EQ(reports.processes.started,
            (Lines{"\"C:\\Program Files\\Orvane\\tallyrep.exe\"  "
                   "C:\\PROGRA~1\\Orvane\\traffic.log report_t.txt",
                   "\"C:\\Program Files\\Orvane\\connrep.exe\" "
                   "\"D:\\My Logs\\netfiles.log\">report.txt",
                   "\"C:\\Program Files\\Orvane\\connrep.exe\" "
                   "netfiles.log>report.txt"}));
  EXPECT_TRUE(reports.processes.hidden);
  EXPECT_EQ(reports.shell.opened,
            (Lines{"- report_t.txt", "- report.txt", "- report.txt"}));
  EXPECT_TRUE(reports.boxes().empty());
}

TEST(ReportPrograms, AMissingProgramIsToldTwiceAndAReportThatIsTheLogIsLeft) {
  Reports reports;
  reports.processes.exitCode = std::nullopt;
  reports.programs().TrafficReport("traffic.log");
  const Lines missing = reports.boxes();
  ASSERT_EQ(missing.size(), 2u);
  EXPECT_TRUE(
      contains(missing[0], "Невозможно обратиться к модулю статистики"));
  EXPECT_TRUE(contains(missing[1], "Ошибка обращения к внешнему приложению0"));
  // The report is still opened: an older one may be there.
  EXPECT_EQ(reports.shell.opened, (Lines{"- report_t.txt"}));

  // connrep refused to write its report over the log itself.
  reports.processes.exitCode = 4;
  reports.programs().ConnectionsReport("report.txt");
  const Lines refused = reports.boxes();
  ASSERT_EQ(refused.size(), 3u);
  EXPECT_TRUE(contains(refused[2], "лог файлов и report.txt - один и тот же"));
  EXPECT_EQ(reports.shell.opened, (Lines{"- report_t.txt"}));
}

}  // namespace
}  // namespace ov::test
