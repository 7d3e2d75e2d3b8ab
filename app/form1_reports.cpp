// The report commands: a report program beside this one is run on a log,
// waited for, and its report opened by the shell.
#include "app/form1.h"

namespace ov {

namespace {

constexpr uint32_t kMessageBoxWarning = 0x30;
// connrep's answer to a report file that is the log itself.
constexpr int kConnrepReportIsLog = 4;

// A path as one item of a command line: its short form where the platform
// has one, and quoted where blanks remain.
std::string commandItem(ProcessPort& processes, const std::string& path) {
  std::string item = processes.ShortPath(path).value_or(path);
  if (item.find(' ') == std::string::npos) return item;
  item.insert(item.begin(), '"');
  item.push_back('"');
  return item;
}

}  // namespace

std::optional<int> TForm1::RunModuleAndWait(const std::string& commandLine) {
  const std::optional<int> exitCode =
      services_.processes.CreateProcess(commandLine, kHiddenConsole);
  if (exitCode) return exitCode;
  services_.windows.messageBox(Form1,
                               "Невозможно обратиться к модулю статистики",
                               "Ошибка", kMessageBoxWarning);
  // The start call's result, which is 0 when it failed.
  services_.windows.messageBox(
      nullptr, "Ошибка обращения к внешнему приложению0", "Ошибка", ui::MB_OK);
  return std::nullopt;
}

void TForm1::N31Click() {
  // Built piece by piece: the log's item follows two blanks.
  std::string line = "\"";
  line += services_.programDir.path;
  line += "tallyrep.exe\"  ";
  line += commandItem(services_.processes, TrafficLogPath());
  line += " report_t.txt";
  RunModuleAndWait(line);
  services_.shell.ShellExecute(std::nullopt, "report_t.txt");
}

void TForm1::mnu_reportClick() {
  std::string line = "\"";
  line += services_.programDir.path;
  line += "connrep.exe\" ";
  line += commandItem(services_.processes, t_log->text());
  line += ">report.txt";
  if (RunModuleAndWait(line) == kConnrepReportIsLog) {
    // The file log is "report.txt" itself: it stays as it is, and opening
    // it would pass it off as the report.
    services_.windows.messageBox(
        Form1,
        "Отчет не построен: лог файлов и report.txt - один и тот же файл.",
        "Ошибка", kMessageBoxWarning);
    return;
  }
  services_.shell.ShellExecute(std::nullopt, "report.txt");
}

}  // namespace ov
