#include <gtest/gtest.h>

#include <string>

#include "tests/tallyrep/report_fixture.h"
#include "tests/tallyrep/traffic_log_line.h"

namespace {

constexpr ReportDate kJanuaryDay = {9, 1, 2025};

std::string Bar(int length) { return std::string(length, 'X'); }

std::string Header(std::string_view date) {
  return std::string(
             "\n---------------------------------------------\n"
             "\n Дата создания отчета: ") +
         std::string(date) + "\n";
}

std::string DashLine() {
  return "\n---------------------------------------------\n";
}

// A month's block: its row of asterisks, three amounts and the days.
std::string Block(std::string_view month, std::string_view stats,
                  std::string_view days) {
  return "\n***************************************\n"
         "Статистика за месяц " +
         std::string(month) + "\n" + std::string(stats) + "\n" +
         std::string(days);
}

// A section of a report made in January: its title, the January block and
// the summary of months.
std::string JanuarySection(std::string_view title, std::string_view stats,
                           std::string_view days, std::string_view summary) {
  return std::string("\n").append(title).append("\n") +
         Block("Январь", stats, days) +
         "\n*********************************************\n"
         "\n"
         "Статистика по месяцам\n" +
         std::string(summary);
}

std::string Stats(std::string_view largest, std::string_view smallest,
                  std::string_view average, std::string_view unit = "кб") {
  std::string u = " (" + std::string(unit) + ")\n";
  return "Максимум за день: " + std::string(largest) + u +
         "Минимум за день: " + std::string(smallest) + u +
         "Среднее за день: " + std::string(average) + u;
}

std::string MonthStats(std::string_view largest, std::string_view smallest,
                       std::string_view unit = "кб") {
  std::string u = " (" + std::string(unit) + ")\n";
  return "Максимум за месяц: " + std::string(largest) + u +
         "Минимум за месяц: " + std::string(smallest) + u;
}

TEST(TallyrepReport, EmptyLogAndLogOfShortLinesGiveAllZeroReport) {
  auto zero_section = [](std::string_view title) {
    return JanuarySection(
        title, Stats("0", "0", "0"), ZeroDays(1, 31),
        MonthStats("0", "0") + "   Январь -          0 (кб) \n");
  };
  const std::string expected =
      Cp1251(Header("9.1.2025") + DashLine() +
             zero_section("Статистика по входящему траффику") + DashLine() +
             zero_section("Статистика по исходящему траффику") + DashLine() +
             zero_section("Статистика по суммарному траффику"));

  EXPECT_EQ(ReportFor("", kJanuaryDay), expected);
  EXPECT_EQ(ReportFor("\r\n[10:00:00  02.01.25]  In (kb):\r\n", kJanuaryDay),
            expected);
  // The bytes themselves: Windows-1251 letters, CR LF line ends.
  EXPECT_EQ(expected.substr(0, 4), "\r\n--");
  EXPECT_NE(expected.find("\r\n\xD1\xF2\xE0\xF2\xE8\xF1\xF2\xE8\xEA\xE0 "
                          "\xE7\xE0 \xEC\xE5\xF1\xFF\xF6 "
                          "\xDF\xED\xE2\xE0\xF0\xFC\r\n"),
            std::string::npos);
}

TEST(TallyrepReport, ShortLinesAreSkippedAndTheLinesAfterThemCount) {
  const std::string log =
      "short\r\n" + TrafficLogLine("10:00:00", 2, 1, 2025, 1000, 500, 100) +
      "\r\n" + TrafficLogLine("10:05:00", 2, 1, 2025, 1600, 700, 100) +
      TrafficLogLine("10:06:00", 2, 1, 2025, 1700, 800, 100).substr(0, 40) +
      "\r\n" + TrafficLogLine("9:00:00", 3, 1, 2025, 2000, 900, 100);

  const std::string expected = Cp1251(
      Header("9.1.2025") + DashLine() +
      JanuarySection(
          "Статистика по входящему траффику", Stats("1600", "0", "64"),
          ZeroDays(1, 1) + "Число   2 -       1600 (кб) " + Bar(50) + "\n" +
              "Число   3 -        400 (кб) " + Bar(12) + "\n" + ZeroDays(4, 31),
          MonthStats("2000", "0") + "   Январь -       2000 (кб) " + Bar(50) +
              "\n") +
      DashLine() +
      JanuarySection(
          "Статистика по исходящему траффику", Stats("700", "0", "29"),
          ZeroDays(1, 1) + "Число   2 -        700 (кб) " + Bar(50) + "\n" +
              "Число   3 -        200 (кб) " + Bar(14) + "\n" + ZeroDays(4, 31),
          MonthStats("900", "0") + "   Январь -        900 (кб) " + Bar(50) +
              "\n") +
      DashLine() +
      JanuarySection(
          "Статистика по суммарному траффику", Stats("2300", "0", "93"),
          ZeroDays(1, 1) + "Число   2 -       2300 (кб) " + Bar(50) + "\n" +
              "Число   3 -        600 (кб) " + Bar(13) + "\n" + ZeroDays(4, 31),
          MonthStats("2900", "0") + "   Январь -       2900 (кб) " + Bar(50) +
              "\n"));

  EXPECT_EQ(ReportFor(log, kJanuaryDay), expected);
}

TEST(TallyrepReport, FirstLineOfEachRunAddsItsWholeTotals) {
  const std::string log =
      TrafficLogLine("10:00:00", 2, 1, 2025, 5000, 3000, 100) +
      TrafficLogLine("11:00:00", 2, 1, 2025, 5600, 3100, 100) +
      TrafficLogLine("8:00:00", 3, 1, 2025, 300, 100, 200) +
      TrafficLogLine("9:00:00", 3, 1, 2025, 450, 180, 200);

  EXPECT_EQ(
      Sections(ReportFor(log, kJanuaryDay))[2],
      Cp1251(JanuarySection(
          "Статистика по входящему траффику", Stats("5600", "0", "195"),
          ZeroDays(1, 1) + "Число   2 -       5600 (кб) " + Bar(50) + "\n" +
              "Число   3 -        450 (кб) " + Bar(4) + "\n" + ZeroDays(4, 31),
          MonthStats("6050", "0") + "   Январь -       6050 (кб) " + Bar(50) +
              "\n")));
}

TEST(TallyrepReport, LinesOfOneMinuteAllCount) {
  const std::string log = TrafficLogLine("9:59:00", 5, 1, 2025, 100, 10, 7) +
                          TrafficLogLine("10:00:10", 5, 1, 2025, 160, 30, 7) +
                          TrafficLogLine("10:00:50", 5, 1, 2025, 200, 35, 7);

  EXPECT_EQ(BlockOfMonth(Sections(ReportFor(log, kJanuaryDay))[2], "Январь"),
            Cp1251(Block("Январь", Stats("200", "0", "6"),
                         ZeroDays(1, 4) + "Число   5 -        200 (кб) " +
                             Bar(50) + "\n" + ZeroDays(6, 31))));
}

TEST(TallyrepReport, TwentyNinthOfFebruaryAndLaterMonthsCountInTotalsOnly) {
  const std::string log =
      TrafficLogLine("12:00:00", 28, 2, 2024, 1000, 100, 1) +
      TrafficLogLine("12:00:00", 29, 2, 2024, 3800, 200, 1) +
      TrafficLogLine("12:00:00", 10, 4, 2024, 13800, 300, 1);
  const std::string inbound = Sections(ReportFor(log, {15, 3, 2025}))[2];

  EXPECT_EQ(BlockOfMonth(inbound, "Февраль"),
            Cp1251(Block("Февраль", Stats("2800", "0", "135"),
                         ZeroDays(1, 27) + "Число  28 -       1000 (кб) " +
                             Bar(17) + "\n")));
  EXPECT_EQ(inbound.substr(inbound.find("\r\n" + std::string(45, '*'))),
            Cp1251("\n*********************************************\n"
                   "\n"
                   "Статистика по месяцам\n" +
                   MonthStats("10000", "0") +
                   "   Январь -          0 (кб) \n"
                   "  Февраль -       3800 (кб) " +
                   Bar(19) +
                   "\n"
                   "     Март -          0 (кб) \n"));
  EXPECT_EQ(BlockOfMonth(inbound, "Апрель"), "");
}

TEST(TallyrepReport, SmallestMonthMayExceed32Bits) {
  // Every month holds more than 2^32 - 1 KB; each line is a run of its own.
  std::string log;
  for (int m = 1; m <= 12; ++m) {
    log += TrafficLogLine("10:00:00", 1, m, 2025, 4'000'000'000, 0, 2 * m);
    log += TrafficLogLine("10:00:00", 2, m, 2025,
                          1'000'000'000 + m * 1'048'576LL, 0, 2 * m + 1);
  }

  EXPECT_NE(Sections(ReportFor(log, kJanuaryDay))[2].find(
                Cp1251(MonthStats("4780", "4769", "гб"))),
            std::string::npos);
}

TEST(TallyrepReport, DayOfTwoMillionKilobytesIsShownInMegabytes) {
  const std::string log =
      TrafficLogLine("10:00:00", 7, 1, 2025, 2'000'000, 0, 5) +
      TrafficLogLine("10:00:00", 8, 1, 2025, 2'500'000, 0, 5);

  EXPECT_EQ(
      Sections(ReportFor(log, kJanuaryDay))[2],
      Cp1251(JanuarySection(
          "Статистика по входящему траффику", Stats("1953", "0", "78", "мб"),
          ZeroDays(1, 6, "мб") + "Число   7 -       1953 (мб) " + Bar(50) +
              "\n" + "Число   8 -        488 (мб) " + Bar(12) + "\n" +
              ZeroDays(9, 31, "мб"),
          MonthStats("2441", "0", "мб") + "   Январь -       2441 (мб) " +
              Bar(50) + "\n")));
}

TEST(TallyrepReport, DecemberOfLastYearMergesIntoDecember) {
  const std::string log = TrafficLogLine("10:00:00", 5, 12, 2024, 700, 0, 3) +
                          TrafficLogLine("10:00:00", 5, 12, 2025, 800, 0, 4);

  const std::string in_december = Sections(ReportFor(log, {20, 12, 2025}))[2];
  EXPECT_EQ(BlockOfMonth(in_december, "Декабрь"),
            Cp1251(Block("Декабрь", Stats("1500", "0", "48"),
                         ZeroDays(1, 4) + "Число   5 -       1500 (кб) " +
                             Bar(50) + "\n" + ZeroDays(6, 31))));

  const std::string in_november = Sections(ReportFor(log, {20, 11, 2025}))[2];
  EXPECT_EQ(BlockOfMonth(in_november, "Декабрь"), "");
  EXPECT_NE(BlockOfMonth(in_november, "Ноябрь"), "");
  EXPECT_NE(in_november.find(Cp1251(MonthStats("1500", "0"))),
            std::string::npos);
}

TEST(TallyrepReport, FallingCounterWithinARunWrapsModulo2To32) {
  const std::string log = TrafficLogLine("10:00:00", 2, 1, 2025, 1000, 50, 9) +
                          TrafficLogLine("10:00:00", 3, 1, 2025, 900, 60, 9);

  EXPECT_EQ(
      Sections(ReportFor(log, kJanuaryDay))[2],
      Cp1251(JanuarySection(
          "Статистика по входящему траффику", Stats("4095", "0", "132", "гб"),
          ZeroDays(1, 1, "гб") + "Число   2 -          0 (гб) \n" +
              "Число   3 -       4095 (гб) " + Bar(50) + "\n" +
              ZeroDays(4, 31, "гб"),
          MonthStats("4096", "0", "гб") + "   Январь -       4096 (гб) " +
              Bar(50) + "\n")));
}

TEST(TallyrepReport, LongLinesAreReadIn1023CharacterPieces) {
  const std::string log =
      TrafficLogLine("10:00:00", 2, 1, 2025, 1000, 0, 6) +
      // 1,023 characters of junk, then a whole line: the junk is read as a
      // line of its own (no cell, run 0) and the line after it from the
      // start.
      std::string(1023, 'x') +
      TrafficLogLine("10:00:00", 3, 1, 2025, 1500, 0, 6) +
      // A long adapter name: the line counts, and its tail is another line.
      TrafficLogLine("10:00:00", 4, 1, 2025, 1700, 0, 6,
                     std::string(1100, 'A')) +
      TrafficLogLine("10:00:00", 5, 1, 2025, 1800, 0, 6);

  EXPECT_EQ(BlockOfMonth(Sections(ReportFor(log, kJanuaryDay))[2], "Январь"),
            Cp1251(Block("Январь", Stats("1800", "0", "145"),
                         ZeroDays(1, 1) + "Число   2 -       1000 (кб) " +
                             Bar(27) + "\n" + "Число   3 -       1500 (кб) " +
                             Bar(41) + "\n" + "Число   4 -        200 (кб) " +
                             Bar(5) + "\n" + "Число   5 -       1800 (кб) " +
                             Bar(50) + "\n" + ZeroDays(6, 31))));
}

TEST(TallyrepReport, LinesDatedOutsideTheTablesAreNotStoredButSetTheBase) {
  const std::string log = TrafficLogLine("10:00:00", 2, 1, 2025, 1000, 0, 8) +
                          TrafficLogLine("10:00:00", 2, 13, 2025, 1500, 0, 8) +
                          TrafficLogLine("10:00:00", 32, 1, 2025, 1600, 0, 8) +
                          TrafficLogLine("24:00:00", 2, 1, 2025, 1700, 0, 8) +
                          TrafficLogLine("10:60:00", 2, 1, 2025, 1800, 0, 8) +
                          TrafficLogLine("10:00:00", 0, 1, 2025, 1900, 0, 8) +
                          TrafficLogLine("10:00:00", 3, 0, 2025, 1950, 0, 8) +
                          TrafficLogLine("10:00:00", 3, 1, 2025, 2000, 0, 8);

  EXPECT_EQ(BlockOfMonth(Sections(ReportFor(log, kJanuaryDay))[2], "Январь"),
            Cp1251(Block("Январь", Stats("1000", "0", "33"),
                         ZeroDays(1, 1) + "Число   2 -       1000 (кб) " +
                             Bar(50) + "\n" + "Число   3 -         50 (кб) " +
                             Bar(2) + "\n" + ZeroDays(4, 31))));
}

TEST(TallyrepReport, SeventyCharactersWithTheLineFeedMakeALine) {
  // 69 characters reach "sessID:" but not its number, which reads as 0.
  std::string cut_at_69 =
      TrafficLogLine("10:00:00", 3, 1, 2025, 1500, 0, 100).substr(0, 69);
  // A NUL ends a line as a line end would.
  std::string nul_at_68 = TrafficLogLine("10:00:00", 4, 1, 2025, 1700, 0, 100);
  nul_at_68[68] = '\0';
  const std::string log = TrafficLogLine("10:00:00", 2, 1, 2025, 1000, 0, 100) +
                          cut_at_69 + "\r\n" + nul_at_68 +
                          TrafficLogLine("10:00:00", 5, 1, 2025, 2000, 0, 100);

  EXPECT_EQ(
      BlockOfMonth(Sections(ReportFor(log, kJanuaryDay))[2], "Январь"),
      Cp1251(Block("Январь", Stats("2000", "0", "145"),
                   ZeroDays(1, 1) + "Число   2 -       1000 (кб) " + Bar(25) +
                       "\n" + "Число   3 -       1500 (кб) " + Bar(37) + "\n" +
                       ZeroDays(4, 4) + "Число   5 -       2000 (кб) " +
                       Bar(50) + "\n" + ZeroDays(6, 31))));
}

}  // namespace
