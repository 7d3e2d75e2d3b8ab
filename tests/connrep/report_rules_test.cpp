// The report's rules on bigger logs: the cut at 20 files and its ties, the
// 31-day window, lines too long to read, and the calendar behind the dates.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "connrep/calendar_day.h"
#include "tests/connrep/report_of_log.h"

namespace connrep {
namespace {

std::string Opening(int day, int month, int year, std::string_view computer,
                    std::string_view path) {
  char date[16];
  std::snprintf(date, sizeof date, "%02d.%02d.%02d", day, month, year % 100);
  return "[12:00:00  " + std::string(date) + "] [" + std::string(computer) +
         "] " + std::string(path) + "\r\n";
}

// The report from its first line starting with `heading` up to the next
// blank line.
std::string Section(const std::string& report, std::string_view heading) {
  const std::string start = Cp1251(std::string(heading));
  const std::size_t at = report.find("\r\n" + start);
  if (at == std::string::npos) return "(no section)";
  const std::size_t end = report.find("\r\n\r\n", at + 2);
  return report.substr(at + 2,
                       end == std::string::npos ? std::string::npos : end - at);
}

TEST(ConnectionsReport, TwentyFilesMostOpenedFirstTiesInByteOrder) {
  // File k is opened k times, for k = 1..25; three more files tie with
  // file 6 at the cut. Bytes above 0x7F sort after the Latin letters.
  std::string log;
  for (int k = 1; k <= 25; ++k)
    for (int n = 0; n < k; ++n)
      log += Opening(1, 2, 2024, "PC", "F:\\" + std::to_string(100 + k));
  for (std::string_view name : {"F:\\\xE0", "F:\\a", "F:\\Z"})
    for (int n = 0; n < 6; ++n) log += Opening(1, 2, 2024, "PC", name);

  std::string expected = Cp1251("Самые открываемые файлы\n  Открытий  Файл\n");
  for (int k = 25; k >= 7; --k)
    expected +=
        Cp1251(std::string(k >= 10 ? "        " : "         ") +
               std::to_string(k) + "  F:\\" + std::to_string(100 + k) + "\n");
  expected += Cp1251("         6  F:\\106\n");
  // 19 files opened 7 to 25 times and the first of the four sixes.
  EXPECT_EQ(Section(ReportOfLog(log), "Самые открываемые файлы"), expected);
}

TEST(ConnectionsReport, DayChartCoversTheLast31DaysOfTheLog) {
  // Openings on 1 January, 20 January and 1 February 2024 (leap year) and,
  // out of order, on 3 March: the window ends on 3 March.
  std::string log = Opening(1, 1, 2024, "PC", "a") +
                    Opening(3, 3, 2024, "PC", "a") +
                    Opening(20, 1, 2024, "PC", "a");
  for (int n = 0; n < 4; ++n) log += Opening(1, 2, 2024, "PC", "b");
  const std::string report = ReportOfLog(log);
  const std::string chart = Section(report, "Открытия по дням");
  // The busiest day, 1 February, is out of the window: 3 March fills it.
  EXPECT_EQ(chart.find("01.02.2024"), std::string::npos) << chart;
  EXPECT_EQ(chart.substr(chart.find('\n') + 1, 22), "02.02.2024         0\r\n")
      << chart;
  EXPECT_NE(chart.find("29.02.2024         0\r\n"), std::string::npos);
  EXPECT_NE(
      chart.find("03.03.2024         1  " + std::string(50, '#') + "\r\n"),
      std::string::npos);
  EXPECT_EQ(std::count(chart.begin(), chart.end(), '\n'), 1 + 31);
  // The period still runs from the earliest day.
  EXPECT_NE(report.find(Cp1251("Период: с 01.01.2024 по 03.03.2024")),
            std::string::npos);
}

TEST(ConnectionsReport, LinesTooLongToReadAreSkippedWhole) {
  const std::string good = Opening(5, 3, 2006, "PC1", "C:\\a.doc");
  const std::string megabyte =
      "[12:00:00  05.03.06] [PC9] C:\\" + std::string(1 << 20, 'x') + "\r\n";
  // The longest line read whole: 1,022 characters before its CR LF.
  std::string longest = Opening(5, 3, 2006, "PC2", "C:\\");
  longest.insert(longest.size() - 2, 1022 - (longest.size() - 2), 'y');
  std::string tooLong = longest;
  tooLong.insert(tooLong.size() - 2, "y");
  const std::string report =
      ReportOfLog(good + megabyte + longest + tooLong + good + megabyte);
  EXPECT_NE(report.find(Cp1251("Открытий файлов: 3\n")), std::string::npos);
  EXPECT_NE(report.find(Cp1251("Пропущено строк: 3\n")), std::string::npos);
  EXPECT_EQ(report.find("PC9"), std::string::npos);
  EXPECT_NE(report.find("         1       1  PC2\r\n"), std::string::npos);
}

TEST(ConnectionsReport, ACtrlZIsDamageAndTheLinesAfterItAreRead) {
  const std::string good = Opening(5, 3, 2006, "PC1", "C:\\a.doc");
  const std::string report =
      ReportOfLog(good + "[12:00:00  05.03.06] [PC9] C:\\cut\x1ahere.doc\r\n" +
                  good + "\x1a\r\n" + good + "\x1a");
  EXPECT_NE(report.find(Cp1251("Открытий файлов: 3\n")), std::string::npos)
      << report;
  EXPECT_NE(report.find(Cp1251("Пропущено строк: 3\n")), std::string::npos);
  EXPECT_EQ(report.find("PC9"), std::string::npos);
  EXPECT_EQ(report.find("cut"), std::string::npos);
}

TEST(ConnectionsReport, ControlCharactersInNamesCannotBreakTheReport) {
  const std::string report =
      ReportOfLog(Opening(5, 3, 2006, "P\rC", "C:\\a\tb\x7F"));
  EXPECT_NE(report.find("  P?C\r\n"), std::string::npos);
  EXPECT_NE(report.find("  C:\\a?b?\r\n"), std::string::npos);
}

TEST(CalendarDay, EveryDayOfTheCenturyHasItsOwnNumber) {
  const int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int expected = 0;
  for (int year = 2000; year <= 2099; ++year)
    for (int month = 1; month <= 12; ++month) {
      const int days =
          monthDays[month - 1] + (month == 2 && year % 4 == 0 ? 1 : 0);
      for (int day = 1; day <= days; ++day, ++expected) {
        ASSERT_EQ(DayNumber({day, month, year}), expected);
        const CalendarDate back = DateOfDay(expected);
        ASSERT_EQ(back.day * 10000 + back.month * 100 + back.year % 100,
                  day * 10000 + month * 100 + year % 100);
        ASSERT_EQ(back.year, year);
      }
    }
  EXPECT_EQ(expected, static_cast<int>(kCalendarDays));
}

}  // namespace
}  // namespace connrep
