#include "connrep/connrep_run.h"

#include <filesystem>
#include <string>

#include "connrep/connection_tally.h"
#include "connrep/connections_report.h"
#include "connrep/connrep_arguments.h"
#include "connrep/log_halves.h"
#include "reptext/owned_file.h"

namespace connrep {

namespace {

constexpr int kDone = 0;
constexpr int kBadCommandLine = 1;
constexpr int kLogUnreadable = 2;
constexpr int kReportUnwritable = 3;
constexpr int kReportIsLog = 4;

constexpr const char* kUsage =
    "connrep - report of file openings from the Orvane file log.\n"
    "Version 1.0.\n"
    "Using: connrep log_file [>report_file]\n"
    "       connrep --help\n";

constexpr const char* kHelp =
    "\n"
    "The report goes to report_file, or to standard output without one. The\n"
    "\">\" may stand inside the argument before it (log>report.txt), on its\n"
    "own, or glued to the name (>report.txt); no shell is needed.\n"
    "\n"
    "The log has one line per file opening, \"[time  dd.mm.yy] [computer]\n"
    "path\", in Windows-1251. The report, in Russian and Windows-1251 with\n"
    "CR LF, gives:\n"
    "  - the period from the earliest to the latest date in the log;\n"
    "  - per computer, the openings and the days with at least one;\n"
    "    most openings first, equal counts in the byte order of the name;\n"
    "    an empty computer name has a row of its own, \"no name\";\n"
    "  - no table per user: the log does not record user names;\n"
    "  - the 20 files opened most often, ordered as the computers; files\n"
    "    are told apart by their exact path, letter case included;\n"
    "  - openings per day for the 31 days up to the latest date in the log\n"
    "    (fewer if the log is shorter), oldest first, with a bar of up to 50\n"
    "    \"#\" scaled to the busiest of those days.\n"
    "Damaged lines (no bracket pairs, a date that does not exist, a NUL or\n"
    "no path) and lines longer than 1,022 characters are skipped and\n"
    "counted in the report's line of skipped lines; blank lines are\n"
    "ignored.\n"
    "\n"
    "Exit codes: 0 report written, 1 bad command line, 2 log missing or\n"
    "unreadable, 3 report not written, 4 report_file is the log itself\n"
    "(under this or another name; the log is left as it was).\n";

// The same file under any spelling, link or case the system allows.
bool SameFile(const std::string& first, const std::string& second) {
  std::error_code notBoth;
  return std::filesystem::equivalent(first, second, notBoth);
}

int Usage(const char* message) {
  if (*message != '\0') std::fprintf(stderr, "%s\n", message);
  std::fputs(kUsage, stdout);
  return kBadCommandLine;
}

}  // namespace

int RunConnrep(int argc, const char* const* argv, std::FILE* standardOutput) {
  const ConnrepArguments arguments = ParseConnrepArguments(argc, argv);
  if (arguments.help) {
    std::fputs(kUsage, stdout);
    std::fputs(kHelp, stdout);
    return kDone;
  }
  if (!arguments.error.empty()) return Usage(arguments.error.c_str());
  if (arguments.log.empty()) return Usage("");

  if (arguments.output && SameFile(arguments.log, *arguments.output)) {
    std::fprintf(stderr, "The report file is the log file; nothing written.\n");
    return kReportIsLog;
  }
  ConnectionTally tally;
  if (!TallyLogFile(arguments.log, tally)) {
    std::fprintf(stderr, "Unable to read source file.\n");
    return kLogUnreadable;
  }
  const std::string report = FormatConnectionsReport(tally, arguments.log);
  OwnedFile file(arguments.output ? std::fopen(arguments.output->c_str(), "wb")
                                  : nullptr);
  std::FILE* out = arguments.output ? file.get() : standardOutput;
  bool written = out != nullptr;
  if (written) {
    written =
        std::fwrite(report.data(), 1, report.size(), out) == report.size();
    const bool closed =
        file ? std::fclose(file.release()) == 0 : std::fflush(out) == 0;
    written = written && closed;
  }
  if (!written) {
    std::fprintf(stderr, "Unable to write result file.\n");
    return kReportUnwritable;
  }
  return kDone;
}

}  // namespace connrep
