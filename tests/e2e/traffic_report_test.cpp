// A day of traffic end to end: the runner writes "traffic.log" as the
// program does, and the native tallyrep's report of it adds up.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/text/cp1251.h"
#include "scenario_run.h"
#include "tests/support/contains.h"

namespace ov::e2e {
namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

TEST(TrafficReport, ADayOfLogLinesAddsUpToTheLastLinesInbound) {
  ScenarioRun run;
  std::ofstream(run.file("OV.CFG"), std::ios::binary)
      << "[Traffic]\r\nLogInterval=10\r\n";
  // January, which every report lists, from just after midnight to just
  // before the next.
  ASSERT_EQ(run.run("0 iface lo phys=0\n"
                    "0 iface eth0 in=5120 rate_in=10240 rate_out=2048\n",
                    {"--start", "2026-01-02 00:00:30", "--run-for", "86000"}),
            0)
      << run.errors();
  const auto log = lines(run.read("traffic.log"));
  ASSERT_EQ(log.size(), 143u + 1);  // every ten minutes, and the exit line
  // 10 KB a second on top of the 5 KB there at start.
  EXPECT_EQ(log[0],
            "[ 0:10:30  02.01.26]  In (kb):      6005  Out (kb):      1200 "
            "sessID:  300  Adapter:eth0\r");
  EXPECT_EQ(log[1].substr(0, 40), "[ 0:20:30  02.01.26]  In (kb):     12005");
  EXPECT_EQ(log.back().substr(0, 40),
            "[23:53:50  02.01.26]  In (kb):    860005");

  const std::string command = "'" TALLYREP_BIN "' '" +
                              run.file("traffic.log").string() + "' '" +
                              run.file("report.txt").string() + "'";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  const std::string report = cp1251ToUtf8(run.read("report.txt"));
  // The inbound section comes first: the run's first line counts whole,
  // the others by what they add, so the day holds the last line's total.
  const size_t inbound = report.find("Статистика по входящему траффику");
  ASSERT_NE(inbound, std::string::npos) << report;
  EXPECT_NE(report.find("Число   2 -     860005 (кб)", inbound),
            std::string::npos)
      << report;
  EXPECT_LT(report.find("Число   2 -     860005 (кб)", inbound),
            report.find("Статистика по исходящему траффику"));
  EXPECT_NE(report.find("Число   2 -     172000 (кб)",
                        report.find("Статистика по исходящему траффику")),
            std::string::npos);
}

}  // namespace
}  // namespace ov::e2e

namespace ov::e2e {
namespace {

using test::contains;

TEST(TrafficReport, TheMenuRunsTallyrepBesideTheProgramAndOpensItsReport) {
  ScenarioRun run;
  // A program folder with a blank in its name, the native tallyrep in it.
  const auto folder = run.dir() / "Program Files";
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(TALLYREP_BIN, folder / "tallyrep");
  std::ofstream(folder / "OV.CFG", std::ios::binary)
      << "[Traffic]\r\nLogInterval=1\r\n";
  ASSERT_EQ(run.run("0 iface eth0 rate_in=10240\n"
                    "130 ui click N31\n",
                    {"--dir", folder.string() + "/", "--run-for", "140"}),
            0)
      << run.errors();
  const std::string log = (folder / "traffic.log").string();
  const std::string expected =
      journalLine("130.000", "CreateProcess",
                  "\"\\\"" + folder.string() + "/tallyrep.exe\\\"  \\\"" + log +
                      "\\\" report_t.txt\", 16, 7, 0");
  const auto journal = run.journal();
  const auto started = std::find(journal.begin(), journal.end(), expected);
  ASSERT_NE(started, journal.end()) << expected;
  ASSERT_NE(started + 1, journal.end());
  EXPECT_EQ(*(started + 1),
            journalLine("130.000", "ShellExecute", "null, \"report_t.txt\""));
  // The report stands in the working directory, made from the two lines.
  const std::string report = cp1251ToUtf8(run.read("report_t.txt"));
  EXPECT_TRUE(contains(report, "Статистика по входящему траффику")) << report;
  EXPECT_TRUE(contains(report, "Число   5 -       1200 (кб)")) << report;
}

TEST(TrafficReport, TheConnectionsReportIsMadeByConnrepBesideTheProgram) {
  ScenarioRun run;
  const auto folder = run.dir() / "Program Files";
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(CONNREP_BIN, folder / "connrep");
  std::ofstream(folder / "OV.CFG", std::ios::binary) << "[Log]\r\nUse=1\r\n";
  ASSERT_EQ(run.run("0 host PC1 10.0.0.11\n"
                    "2 connect PC1 ivan\n"
                    "3 open 1 PC1 ivan C:\\Docs\\a.doc\n"
                    "3 open 2 PC1 ivan C:\\Docs\\b.doc\n"
                    "5 ui click mnu_report\n",
                    {"--dir", folder.string() + "/", "--start",
                     "2006-03-05 09:05:00", "--run-for", "6"}),
            0)
      << run.errors();
  const std::string expected =
      journalLine("5.000", "CreateProcess",
                  "\"\\\"" + folder.string() +
                      "/connrep.exe\\\" netfiles.log>report.txt\", 16, 7, 0");
  const auto journal = run.journal();
  const auto started = std::find(journal.begin(), journal.end(), expected);
  ASSERT_NE(started, journal.end()) << expected;
  ASSERT_NE(started + 1, journal.end());
  EXPECT_EQ(*(started + 1),
            journalLine("5.000", "ShellExecute", "null, \"report.txt\""));
  // The report of the two openings stands in the working directory.
  const std::string report = cp1251ToUtf8(run.read("report.txt"));
  EXPECT_TRUE(contains(report, "Период: с 05.03.2006 по 05.03.2006\r\n"))
      << report;
  EXPECT_TRUE(contains(report, "         2       1  PC1\r\n")) << report;
  EXPECT_TRUE(contains(report, "         1  C:\\Docs\\b.doc\r\n")) << report;
}

TEST(TrafficReport, AFileLogNamedLikeTheReportIsKeptAndTheRefusalShown) {
  ScenarioRun run;
  const auto folder = run.dir() / "program";
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(CONNREP_BIN, folder / "connrep");
  std::ofstream(folder / "OV.CFG", std::ios::binary)
      << "[Log]\r\nUse=1\r\nFiles=report.txt\r\n";
  ASSERT_EQ(run.run("0 host PC1 10.0.0.11\n"
                    "2 connect PC1 ivan\n"
                    "3 open 1 PC1 ivan C:\\Docs\\a.doc\n"
                    "5 ui click mnu_report\n",
                    {"--dir", folder.string() + "/", "--start",
                     "2006-03-05 09:05:00", "--run-for", "6"}),
            0)
      << run.errors();
  const auto journal = run.journal();
  const auto started = std::find_if(
      journal.begin(), journal.end(),
      [](const std::string& line) { return contains(line, "CreateProcess"); });
  ASSERT_NE(started, journal.end());
  ASSERT_NE(started + 1, journal.end());
  EXPECT_EQ(*(started + 1),
            journalLine("5.000", "MessageBox",
                        "\"Ошибка\", \"Отчет не построен: лог файлов и "
                        "report.txt - один и тот же файл.\", 48"));
  // Nothing passes the log off as the report.
  EXPECT_EQ(std::find_if(started, journal.end(),
                         [](const std::string& line) {
                           return contains(line, "ShellExecute");
                         }),
            journal.end());
  EXPECT_EQ(run.read("report.txt"),
            "[ 9:05:03  05.03.06] [PC1] C:\\Docs\\a.doc\r\n");
}

TEST(TrafficReport,
     AMissingReportProgramIsReportedTwiceAndTheReportStillOpened) {
  ScenarioRun run;
  ASSERT_EQ(run.run("1 ui click mnu_report\n", {"--run-for", "2"}), 0)
      << run.errors();
  const auto journal = run.journal();
  const std::string started =
      journalLine("1.000", "CreateProcess",
                  "\"\\\"" + run.dir().string() +
                      "/connrep.exe\\\" netfiles.log>report.txt\", 16, 7, 0");
  const auto at = std::find(journal.begin(), journal.end(), started);
  ASSERT_NE(at, journal.end()) << started;
  ASSERT_GE(journal.end() - at, 4);
  EXPECT_EQ(*(at + 1), journalLine("1.000", "MessageBox",
                                   "\"Ошибка\", \"Невозможно обратиться к "
                                   "модулю статистики\", 48"));
  EXPECT_EQ(*(at + 2), journalLine("1.000", "MessageBox",
                                   "\"Ошибка\", \"Ошибка обращения к внешнему "
                                   "приложению0\", 0"));
  EXPECT_EQ(*(at + 3),
            journalLine("1.000", "ShellExecute", "null, \"report.txt\""));
}

}  // namespace
}  // namespace ov::e2e

namespace ov::e2e {
namespace {

TEST(TrafficReport, WithoutAScenarioTheMachinesOwnInterfacesAreLogged) {
  ScenarioRun folder;
  std::ofstream(folder.file("OV.CFG"), std::ios::binary)
      << "[Traffic]\r\nLogInterval=1\r\n";
  const std::string command =
      "'" ORVANE_BIN "' --run-for 150 --dir '" + folder.dir().string() + "'";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  const auto log = lines(folder.read("traffic.log"));
  ASSERT_EQ(log.size(), 3u);  // two minutes, and the exit
  // The adapter is one of this machine's interfaces with a hardware
  // address; a machine with none has only its loopback, which has no name.
  bool hardware = false;
  for (const auto& entry :
       std::filesystem::directory_iterator("/sys/class/net")) {
    std::ifstream in(entry.path() / "address");
    std::string address;
    std::getline(in, address);
    hardware |= address.find_first_not_of("0:") != std::string::npos;
  }
  std::ifstream dev("/proc/net/dev");
  const std::string devices{std::istreambuf_iterator<char>(dev), {}};
  const std::string adapter = log[0].substr(84, log[0].size() - 85);
  EXPECT_EQ(adapter.empty(), !hardware) << adapter;
  if (hardware) {
    EXPECT_NE(devices.find(adapter + ":"), std::string::npos) << adapter;
  }
}

}  // namespace
}  // namespace ov::e2e
