#include "traffic/report_programs.h"

namespace ov {

namespace {

constexpr uint32_t kMessageBoxWarning = 0x30;
// connrep's answer to a report file that is the log itself.
constexpr int kConnrepReportIsLog = 4;

}  // namespace

std::string ReportPrograms::CommandItem(const std::string& path) {
  std::string item = processes_.ShortPath(path).value_or(path);
  if (item.find(' ') == std::string::npos) return item;
  item.insert(item.begin(), '"');
  item.push_back('"');
  return item;
}

std::optional<int> ReportPrograms::RunModuleAndWait(
    const std::string& commandLine) {
  const std::optional<int> exitCode =
      processes_.CreateProcess(commandLine, kHiddenConsole);
  if (exitCode) return exitCode;
  windows_.messageBox(&owner_, "Невозможно обратиться к модулю статистики",
                      "Ошибка", kMessageBoxWarning);
  // The start call's result, which is 0 when it failed.
  windows_.messageBox(nullptr, "Ошибка обращения к внешнему приложению0",
                      "Ошибка", ui::MB_OK);
  return std::nullopt;
}

void ReportPrograms::TrafficReport(const std::string& trafficLog) {
  // Built piece by piece: the log's item follows two blanks.
  std::string line = "\"";
  line += folder_.path;
  line += "tallyrep.exe\"  ";
  line += CommandItem(trafficLog);
  line += " report_t.txt";
  RunModuleAndWait(line);
  shell_.ShellExecute(std::nullopt, "report_t.txt");
}

void ReportPrograms::ConnectionsReport(const std::string& fileLog) {
  std::string line = "\"";
  line += folder_.path;
  line += "connrep.exe\" ";
  line += CommandItem(fileLog);
  line += ">report.txt";
  if (RunModuleAndWait(line) == kConnrepReportIsLog) {
    // The file log is "report.txt" itself: it stays as it is, and opening
    // it would pass it off as the report.
    windows_.messageBox(
        &owner_,
        "Отчет не построен: лог файлов и report.txt - один и тот же файл.",
        "Ошибка", kMessageBoxWarning);
    return;
  }
  shell_.ShellExecute(std::nullopt, "report.txt");
}

}  // namespace ov
