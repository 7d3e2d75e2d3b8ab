// A big log is read in two halves at once: the report must be the one a
// single pass makes, wherever the middle falls.
#include "connrep/log_halves.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/connrep/report_of_log.h"

namespace connrep {
namespace {

namespace fs = std::filesystem;

std::string Opening(int day, std::string_view computer, std::string_view path) {
  char line[128];
  std::snprintf(line, sizeof line, "[%2d:00:00  %02d.01.24] [%s] %s\r\n",
                day % 24, day, std::string(computer).c_str(),
                std::string(path).c_str());
  return line;
}

// The report of `bytes` written to a file and read in halves from a size
// of one byte on.
std::string ReportInHalves(const std::string& bytes) {
  // Tests run at once in processes of their own: a file each.
  const fs::path path = fs::temp_directory_path() /
                        ("connrep_halves_" + std::to_string(getpid()) + ".log");
  std::ofstream(path, std::ios::binary) << bytes;
  ConnectionTally tally;
  const bool read = TallyLogFile(path.string(), tally, 1);
  fs::remove(path);
  return read ? FormatConnectionsReport(tally, "netfiles.log") : "(unreadable)";
}

TEST(LogHalves, MakeTheReportOfOnePass) {
  std::string log;
  for (int n = 0; n < 300; ++n)
    log += Opening(1 + n % 28, n % 3 ? "PC1" : "PC2",
                   "C:\\f" + std::to_string(n % 17));
  EXPECT_EQ(ReportInHalves(log), ReportOfLog(log));

  // A line too long to read whole across the middle is skipped once.
  std::string longLine = Opening(3, "PC3", "C:\\");
  longLine.insert(longLine.size() - 2, 3000, 'x');
  const std::string split =
      Opening(1, "PC1", "a") + longLine + Opening(2, "PC2", "b");
  const std::string report = ReportInHalves(split);
  EXPECT_EQ(report, ReportOfLog(split));
  EXPECT_NE(report.find(Cp1251("Пропущено строк: 1")), std::string::npos);

  // No line feed after the middle: one pass reads it all.
  const std::string unended = Opening(1, "PC1", "a") + "[12:00:00  02.01.24]";
  EXPECT_EQ(ReportInHalves(unended), ReportOfLog(unended));
}

TEST(LogHalves, ManyFilesSharedOutBetweenTheHalvesAreEachCountedOnce) {
  auto path = [](int file) {
    return "D:\\Docs\\\xCF\xE0\xEF\xEA\xE0 " + std::to_string(file % 17) +
           "\\file" + std::to_string(file) + ".doc";
  };
  // Both halves name enough files to send many batches each way, after
  // counting some of each other's paths on their own; the busiest files
  // are named in both halves.
  std::string log;
  for (int n = 0; n < 120000; ++n) {
    const int file = n % 5 == 0 ? n % 23 : (n * 7919) % 50000;
    log += Opening(1 + n / 4500, "PC" + std::to_string(n % 4), path(file));
  }
  std::string report = ReportInHalves(log);
  EXPECT_EQ(report, ReportOfLog(log));
  EXPECT_NE(report.find(Cp1251("Открытий файлов: 120000")), std::string::npos);

  // Only the first half names many; the second, a few of the same.
  log.clear();
  for (int n = 0; n < 60000; ++n) log += Opening(1, "PC1", path(n % 40000));
  for (int n = 0; n < 60000; ++n) log += Opening(2, "PC2", path(n % 30));
  report = ReportInHalves(log);
  EXPECT_EQ(report, ReportOfLog(log));
  EXPECT_NE(report.find("      2002  "), std::string::npos) << report;
}

TEST(LogHalves, ACtrlZInEitherHalfSkipsOnlyItsLine) {
  std::string first;
  for (int n = 0; n < 50; ++n) first += Opening(1, "PC1", "C:\\before");
  std::string second;
  for (int n = 0; n < 60; ++n) second += Opening(2, "PC2", "C:\\after");
  const std::string log = first + "\x1a" + second;
  const std::string report = ReportInHalves(log);
  EXPECT_EQ(report, ReportOfLog(log));
  EXPECT_NE(report.find("        59       1  PC2\r\n"), std::string::npos)
      << report;
  EXPECT_NE(report.find(Cp1251("Пропущено строк: 1")), std::string::npos);
  const std::string late = first + second + "\x1a" + first;
  EXPECT_EQ(ReportInHalves(late), ReportOfLog(late));
}

TEST(LogHalves, AMissingLogIsUnreadable) {
  ConnectionTally tally;
  EXPECT_FALSE(TallyLogFile("/nonexistent/netfiles.log", tally, 1));
}

}  // namespace
}  // namespace connrep
