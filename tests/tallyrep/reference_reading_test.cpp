// The report against a plain reading of the same bytes: every line a C
// string of at most 1,023 characters as a Windows text-mode fgets cuts it,
// every field read by the tool's first number reader into minute cells.
// Generated logs with damage of every kind must give the same report,
// read in one pass or in two halves at any middle.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "tallyrep/tallyrep_run.h"
#include "tallyrep/traffic_report.h"
#include "tests/tallyrep/report_fixture.h"
#include "tests/tallyrep/traffic_log_line.h"

namespace {

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

uint32_t ReadNumber(const std::string& line, std::size_t pos) {
  while (pos < line.size() && IsWhiteSpace(line[pos])) ++pos;
  bool negative = false;
  if (pos < line.size() && (line[pos] == '+' || line[pos] == '-'))
    negative = line[pos++] == '-';
  uint32_t value = 0;
  for (; pos < line.size() && line[pos] >= '0' && line[pos] <= '9'; ++pos)
    value = value * 10 + (line[pos] - '0');
  return negative ? 0u - value : value;
}

// The lines as fgets with a 1,024-byte buffer in text mode gives them.
std::vector<std::string> TextModeLines(std::string bytes) {
  bytes = bytes.substr(0, bytes.find('\x1a'));
  std::string text;
  for (std::size_t at = 0; at < bytes.size(); ++at)
    if (!(bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n'))
      text += bytes[at];
  std::vector<std::string> lines;
  std::string line;
  for (char c : text) {
    line += c;
    if (c == '\n' || line.size() == 1023) {
      lines.push_back(line);
      line.clear();
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::string ReferenceReport(const std::string& bytes, ReportDate today) {
  // Minute cells [month][day][hour][minute] of in and out, modulo 2^32.
  std::vector<uint32_t> in(13 * 32 * 24 * 60), out(in.size());
  uint32_t previous[3] = {0, 0, 0};  // in, out, run
  for (std::string line : TextModeLines(bytes)) {
    line = line.substr(0, line.find('\0'));
    if (line.size() < 70) continue;
    const uint32_t fields[3] = {ReadNumber(line, 30), ReadNumber(line, 51),
                                ReadNumber(line, 69)};
    const unsigned hour = ReadNumber(line, 1) & 0xFF;
    const unsigned minute = ReadNumber(line, 4) & 0xFF;
    const unsigned day = ReadNumber(line, 11) & 0xFF;
    const unsigned month = ReadNumber(line, 14) & 0xFF;
    uint32_t in_kb = fields[0], out_kb = fields[1];
    if (fields[2] == previous[2]) {
      in_kb -= previous[0];
      out_kb -= previous[1];
    }
    if (month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour <= 23 &&
        minute <= 59) {
      const std::size_t cell = ((month * 32 + day) * 24 + hour) * 60 + minute;
      in[cell] += in_kb;
      out[cell] += out_kb;
    }
    std::copy(fields, fields + 3, previous);
  }
  TrafficTables tables{};
  for (std::size_t cell = 0; cell < in.size(); ++cell) {
    const std::size_t month = cell / (32 * 24 * 60);
    const std::size_t day = cell / (24 * 60) % 32;
    tables.in.day[month][day] += in[cell];
    tables.out.day[month][day] += out[cell];
    tables.sum.day[month][day] += in[cell] + out[cell];
  }
  SumUp(tables.in);
  SumUp(tables.out);
  SumUp(tables.sum);
  return FormatTrafficReport(tables, today);
}

// A log of a few runs over the year with damage among its lines.
std::string DamagedLog(unsigned seed) {
  std::mt19937 random(seed);
  auto below = [&](int n) { return static_cast<int>(random() % n); };
  std::string log;
  long long in_kb = below(1'000'000), out_kb = below(1'000'000);
  int run = 1 + below(3);
  for (int n = 0; n < 3000; ++n) {
    const int month = 1 + below(13) % 12, day = 1 + below(31);
    char time[16];
    std::snprintf(time, sizeof time, "%d:%02d:%02d", below(25), below(61),
                  below(60));
    in_kb += below(5000) - 200;  // now and then a counter falls
    out_kb += below(3000);
    if (below(40) == 0) run = below(4);  // a new run, or run 0
    std::string line =
        TrafficLogLine(time, day, month, 2024, in_kb, out_kb, run,
                       below(30) == 0 ? std::string(1100, 'A') : "eth0");
    switch (below(60)) {
      case 0:
        line = line.substr(0, below(80)) + "\r\n";
        break;  // torn
      case 1:
        line[below(static_cast<int>(line.size()))] = '\0';
        break;
      case 2:
        line.insert(below(40), 1, '-');
        break;  // fields shift
      case 3:
        line.replace(line.size() - 2, 2, "\n");
        break;  // LF only
      case 4:
        line.replace(line.size() - 2, 2, "\r");
        break;  // lone CR
      case 5:
        line = "\r\n";
        break;
      default:
        break;
    }
    log += line;
  }
  return log;
}

TEST(TallyrepReading, DamagedLogsReportAsAPlainReadingOfThem) {
  const ReportDate today{15, 12, 2024};
  for (unsigned seed = 1; seed <= 6; ++seed) {
    std::string log = DamagedLog(seed);
    // The text ends in the second half, or in the first.
    if (seed >= 5) log.insert(log.size() * (seed == 5 ? 3 : 1) / 4, "\x1a");
    const std::string expected = ReferenceReport(log, today);
    const std::string path = TestFilePath("damaged.log");
    WriteFile(path, log);
    // One pass, and halves from a middle anywhere.
    for (uint64_t halves_from : {uint64_t{UINT64_MAX}, uint64_t{1}}) {
      std::FILE* file = std::fopen(path.c_str(), "rb");
      ASSERT_NE(file, nullptr);
      EXPECT_EQ(ReportFromLog(file, path, today, halves_from), expected)
          << "seed " << seed << ", halves from " << halves_from;
      std::fclose(file);
    }
  }
}

}  // namespace
