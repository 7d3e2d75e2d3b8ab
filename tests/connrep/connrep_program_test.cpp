// The real program: its command line, where the report goes, exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/connrep/report_of_log.h"

namespace connrep {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int exitCode;
  std::string out;
  std::string err;
};

std::string Read(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

class ConnrepProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    std::ofstream(dir_ / "netfiles.log", std::ios::binary) << kLog;
  }

  // Runs the program in the test's folder; the arguments are already
  // quoted for the shell.
  Outcome Run(const std::string& arguments) {
    const std::string command = "cd '" + dir_.string() +
                                "' && '" CONNREP_PATH "' " + arguments +
                                " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            Read(dir_ / "stdout.txt"), Read(dir_ / "stderr.txt")};
  }

  static constexpr const char* kLog =
      "[ 9:05:03  05.03.06] [PC1] C:\\Docs\\a.doc\r\n";
  fs::path dir_;
};

TEST_F(ConnrepProgram, TheReportGoesAfterTheSignWhereverTheSignStands) {
  const std::string report = ReportOfLog(kLog);
  for (const std::string arguments :
       {"'netfiles.log>glued.txt'", "netfiles.log '>glued.txt'",
        "netfiles.log '>' glued.txt", "'>glued.txt' netfiles.log"}) {
    fs::remove(dir_ / "glued.txt");
    const Outcome outcome = Run(arguments);
    EXPECT_EQ(outcome.exitCode, 0) << arguments;
    EXPECT_EQ(outcome.out + outcome.err, "") << arguments;
    EXPECT_EQ(Read(dir_ / "glued.txt"), report) << arguments;
  }
  // Without a sign the same bytes go to standard output.
  const Outcome toStdout = Run("netfiles.log");
  EXPECT_EQ(toStdout.exitCode, 0);
  EXPECT_EQ(toStdout.out, report);
}

TEST_F(ConnrepProgram, BadCommandLinesAndFilesEndWithTheirMessagesAndCodes) {
  const std::string usage =
      "connrep - report of file openings from the Orvane file log.\n"
      "Version 1.0.\n"
      "Using: connrep log_file [>report_file]\n"
      "       connrep --help\n";
  const Outcome none = Run("");
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_EQ(none.out, usage);
  EXPECT_EQ(none.err, "");

  const Outcome help = Run("--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out.rfind(usage, 0), 0u);
  EXPECT_NE(help.out.find("equal counts in the byte order"), std::string::npos);

  const Outcome noName = Run("'netfiles.log>'");
  EXPECT_EQ(noName.exitCode, 1);
  EXPECT_EQ(noName.err, "No file name after \">\".\n");
  EXPECT_EQ(Run("netfiles.log other.log").err, "More than one log file.\n");
  EXPECT_EQ(Run("'netfiles.log>a' '>b'").err, "More than one output file.\n");
  EXPECT_FALSE(fs::exists(dir_ / "a"));

  const Outcome missing = Run("'missing.log>report.txt'");
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.err, "Unable to read source file.\n");
  EXPECT_FALSE(fs::exists(dir_ / "report.txt"));
  const Outcome folder = Run(". '>report.txt'");
  EXPECT_EQ(folder.exitCode, 2);

  const Outcome unwritable = Run("'netfiles.log>no/such/folder.txt'");
  EXPECT_EQ(unwritable.exitCode, 3);
  EXPECT_EQ(unwritable.err, "Unable to write result file.\n");
}

TEST_F(ConnrepProgram, AReportThatWouldOverwriteItsLogIsRefused) {
  fs::create_directories(dir_ / "sub");
  fs::create_hard_link(dir_ / "netfiles.log", dir_ / "linked.log");
  for (const std::string arguments :
       {"'netfiles.log>netfiles.log'", "netfiles.log '>./sub/../netfiles.log'",
        "'netfiles.log>linked.log'", "\"$PWD/netfiles.log\" '>netfiles.log'"}) {
    const Outcome outcome = Run(arguments);
    EXPECT_EQ(outcome.exitCode, 4) << arguments;
    EXPECT_EQ(outcome.err,
              "The report file is the log file; nothing written.\n")
        << arguments;
    EXPECT_EQ(Read(dir_ / "netfiles.log"), kLog) << arguments;
  }
  // Another file of the same content is no reason to refuse.
  std::ofstream(dir_ / "copy.log", std::ios::binary) << kLog;
  EXPECT_EQ(Run("'netfiles.log>copy.log'").exitCode, 0);
  EXPECT_EQ(Read(dir_ / "copy.log"), ReportOfLog(kLog));
}

}  // namespace
}  // namespace connrep
