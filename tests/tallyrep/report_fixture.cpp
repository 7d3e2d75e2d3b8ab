#include "tests/tallyrep/report_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "reptext/cp1251_text.h"
#include "tallyrep/tallyrep_run.h"

std::string ReportFor(std::string_view log_bytes, ReportDate today) {
  std::string path = TestFilePath("traffic.log");
  WriteFile(path, log_bytes);
  std::FILE* log = std::fopen(path.c_str(), "rb");
  std::string report = ReportFromLog(log, path, today);
  std::fclose(log);
  return report;
}

std::string Cp1251(std::string_view utf8) {
  std::string bytes;
  for (char c : Utf8ToCp1251(utf8)) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  return bytes;
}

std::string ZeroDays(int first, int last, std::string_view unit) {
  std::string lines;
  char day[4];
  for (int d = first; d <= last; ++d) {
    std::snprintf(day, sizeof day, "%3d", d);
    lines.append("Число ").append(day).append(" -          0 (");
    lines.append(unit).append(") \n");
  }
  return lines;
}

std::vector<std::string> Sections(const std::string& report) {
  const std::string dash_line =
      "\r\n---------------------------------------------\r\n";
  std::vector<std::string> sections;
  std::size_t start = 0;
  for (std::size_t found;
       (found = report.find(dash_line, start)) != std::string::npos;
       start = found + dash_line.size())
    sections.push_back(report.substr(start, found - start));
  sections.push_back(report.substr(start));
  return sections;
}

std::string BlockOfMonth(const std::string& section, std::string_view month) {
  std::string head =
      Cp1251(
          "\n***************************************\nСтатистика за месяц ") +
      Cp1251(month) + "\r\n";
  std::size_t start = section.find(head);
  if (start == std::string::npos) return "";
  std::size_t end = section.find("\r\n*", start + head.size());
  return section.substr(start, end - start);
}

std::string TestFilePath(std::string_view name) {
  const auto* test = testing::UnitTest::GetInstance()->current_test_info();
  std::filesystem::path folder = std::filesystem::path(testing::TempDir()) /
                                 "tallyrep" / test->test_suite_name() /
                                 test->name();
  std::filesystem::create_directories(folder);
  return (folder / name).string();
}

void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), bytes.size());
}

std::string ReadFile(const std::string& path) {
  std::ostringstream bytes;
  bytes << std::ifstream(path, std::ios::binary).rdbuf();
  return bytes.str();
}
