#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "tests/tallyrep/report_fixture.h"
#include "tests/tallyrep/traffic_log_line.h"

namespace {

struct Outcome {
  int exit_code;
  std::string out;
  std::string err;
};

// Runs the real program with the arguments, already quoted for the shell.
Outcome RunTallyrep(const std::string& arguments) {
  std::string out = TestFilePath("stdout.txt");
  std::string err = TestFilePath("stderr.txt");
  std::string command =
      "'" TALLYREP_PATH "' " + arguments + " >'" + out + "' 2>'" + err + "'";
  int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out),
          ReadFile(err)};
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

std::string DateLine(const std::tm& day) {
  return Cp1251("\n Дата создания отчета: " + std::to_string(day.tm_mday) +
                "." + std::to_string(day.tm_mon + 1) + "." +
                std::to_string(day.tm_year + 1900) + "\n");
}

std::tm LocalNow() {
  std::time_t now = std::time(nullptr);
  return *std::localtime(&now);
}

TEST(TallyrepProgram, MissingArgumentsAndFilesEndWithTheirMessages) {
  Outcome usage = RunTallyrep("");
  EXPECT_EQ(usage.exit_code, 1);
  EXPECT_EQ(usage.out,
            "tallyrep - program for generation statistical logs based of "
            "Orvane logs.\nVersion 1.0.\nUsing: tallyrep [input_file] "
            "[output]\n");
  EXPECT_EQ(usage.err, "");

  std::string log = TestFilePath("traffic.log");
  WriteFile(log, TrafficLogLine("10:00:00", 2, 1, 2025, 1000, 500, 100));
  std::string report = TestFilePath("report.txt");

  Outcome no_input =
      RunTallyrep(Quoted(log + ".missing") + " " + Quoted(report));
  EXPECT_EQ(no_input.exit_code, 1);
  EXPECT_EQ(no_input.out, "");
  EXPECT_EQ(no_input.err, "Unable to read source file.\n");

  Outcome no_output_name = RunTallyrep(Quoted(log));
  EXPECT_EQ(no_output_name.exit_code, 1);
  EXPECT_EQ(no_output_name.out, "Unable to create result file.\n");
  EXPECT_EQ(no_output_name.err, "");

  Outcome bad_output =
      RunTallyrep(Quoted(log) + " " + Quoted(report + ".d/report.txt"));
  EXPECT_EQ(bad_output.exit_code, 1);
  EXPECT_EQ(bad_output.out, "Unable to create result file.\n");
  EXPECT_EQ(bad_output.err, "");

  EXPECT_FALSE(std::filesystem::exists(report));
}

TEST(TallyrepProgram, ReportIsDatedTodayAndCoversJanuaryToThisMonth) {
  std::string log = TestFilePath("traffic.log");
  WriteFile(log, TrafficLogLine("10:00:00", 2, 1, 2025, 1000, 500, 100));
  std::string report_path = TestFilePath("report.txt");

  std::tm before = LocalNow();
  Outcome run = RunTallyrep(Quoted(log) + " " + Quoted(report_path) +
                            " further arguments");
  std::tm after = LocalNow();
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out + run.err, "");

  std::vector<std::string> sections = Sections(ReadFile(report_path));
  ASSERT_EQ(sections.size(), 5u);
  EXPECT_TRUE(sections[1] == DateLine(before) || sections[1] == DateLine(after))
      << sections[1];

  const char* const months[] = {"Январь",   "Февраль", "Март",   "Апрель",
                                "Май",      "Июнь",    "Июль",   "Август",
                                "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
  int this_month = after.tm_mon + 1;
  for (int m = 1; m <= 12; ++m) {
    for (int section = 2; section <= 4; ++section) {
      EXPECT_EQ(BlockOfMonth(sections[section], months[m - 1]).empty(),
                m > this_month)
          << months[m - 1] << " in section " << section;
    }
  }
  EXPECT_NE(BlockOfMonth(sections[2], "Январь")
                .find(Cp1251("Число   2 -       1000 (кб) ")),
            std::string::npos);
}

}  // namespace
