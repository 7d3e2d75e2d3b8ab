#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "reptext/cp1251_text.h"
#include "reptext/text_mode_reader.h"
#include "tallyrep/log_line.h"
#include "tests/tallyrep/report_fixture.h"
#include "tests/tallyrep/traffic_log_line.h"

using namespace std::string_literals;

namespace {

// The pieces the reader gives; a piece that does not end its line is
// marked with a trailing "+".
std::vector<std::string> LinesOf(std::string_view bytes) {
  std::string path = TestFilePath("lines.txt");
  WriteFile(path, bytes);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  TextModeLineReader reader(file);
  std::vector<std::string> lines;
  for (std::string_view line; reader.Next(line);)
    lines.push_back(std::string(line) + (reader.LineEnded() ? "" : "+"));
  std::fclose(file);
  return lines;
}

TEST(TallyrepReading, LinesSplitAsAWindowsTextModeReadSeesThem) {
  EXPECT_EQ(LinesOf("ab\r\ncd\ref\n" + std::string(1100, 'x') + "\r\n" +
                    "k\0lm\r\n"s + "gh\r\x1aij\r\n"),
            (std::vector<std::string>{
                "ab\n", "cd\ref\n", std::string(1023, 'x') + "+",
                std::string(77, 'x') + "\n", "k\0lm\n"s, "gh\r"}));
  EXPECT_EQ(LinesOf(std::string(1022, 'y') + "\r\n" + "z"),
            (std::vector<std::string>{std::string(1022, 'y') + "\n", "z"}));
  EXPECT_EQ(LinesOf(std::string(1023, 'y') + "\r\n"),
            (std::vector<std::string>{std::string(1023, 'y') + "+", "\n"}));
  // A piece that fills the buffer up to the end of the file, or up to a
  // Ctrl-Z, ends its line.
  EXPECT_EQ(LinesOf(std::string(1023, 'y')),
            (std::vector<std::string>{std::string(1023, 'y')}));
  EXPECT_EQ(LinesOf(std::string(1023, 'y') + "\x1a" + "more"),
            (std::vector<std::string>{std::string(1023, 'y')}));
  EXPECT_TRUE(LinesOf("").empty());

  // CR and LF on both sides of a 64 KB read.
  std::string filler;
  for (int i = 0; i < 64; ++i) filler += std::string(1022, 'f') + "\n";
  EXPECT_EQ(LinesOf(filler + std::string(63, 'y') + "\r\n").back(),
            std::string(63, 'y') + "\n");
}

TEST(TallyrepReading, TheReaderTellsWhichPiecesHoldANul) {
  std::string long_line(1100, 'x');
  long_line[1050] = '\0';
  const std::string bytes = "a\0b\r\nc\n"s + long_line + "\n\0\n"s;
  std::string path = TestFilePath("nul.txt");
  WriteFile(path, bytes);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  TextModeLineReader reader(file);
  std::vector<bool> nul;
  for (std::string_view line; reader.Next(line);)
    nul.push_back(reader.HasNul());
  std::fclose(file);
  EXPECT_EQ(nul, (std::vector<bool>{true, false, false, true, true}));
}

TEST(TallyrepReading, FieldsAreReadByPosition) {
  LogLine line = ParseLogLine(
      TrafficLogLine("9:07:05", 31, 12, 2024, 9'999'999'999, -100, 29589));
  EXPECT_EQ(line.in_kb, 1'410'065'407u);  // 9,999,999,999 mod 2^32
  EXPECT_EQ(line.out_kb, 4'294'967'196u);
  EXPECT_EQ(line.run_id, 29589u);
  EXPECT_EQ(line.hour, 9);
  EXPECT_EQ(line.minute, 7);
  EXPECT_EQ(line.day, 31);
  EXPECT_EQ(line.month, 12);

  // A signed hour keeps its low 8 bits.
  EXPECT_EQ(ParseLogLine(TrafficLogLine("-1:00:00", 1, 1, 25, 0, 0, 1)).hour,
            255);
  // A separator ends a field.
  std::string dotted = TrafficLogLine("10:00:00", 1, 1, 25, 123456, 987654, 1);
  dotted[37] = '.';
  dotted[57] = ':';
  EXPECT_EQ(ParseLogLine(dotted).in_kb, 123u);
  EXPECT_EQ(ParseLogLine(dotted).out_kb, 98u);
  // Eight digits and more at once, modulo 2^32; digits up to the end.
  const LogLine wide = ParseLogLine(
      TrafficLogLine("1:00:00", 1, 1, 25, 12345678, 123456789012, 7));
  EXPECT_EQ(wide.in_kb, 12345678u);
  EXPECT_EQ(wide.out_kb, 3197704724u);  // 123,456,789,012 mod 2^32
  std::string ending = TrafficLogLine("1:00:00", 1, 1, 25, 1, 2, 0);
  ending = ending.substr(0, 69) + "1234567890123";
  EXPECT_EQ(ParseLogLine(ending).run_id, 1912276171u);  // mod 2^32
  // A field with no digits reads as 0.
  LogLine junk = ParseLogLine(std::string(80, 'x'));
  EXPECT_EQ(junk.in_kb + junk.run_id + junk.month + junk.day, 0u);
}

TEST(TallyrepReading, ReportTextIsWindows1251) {
  EXPECT_EQ(Utf8ToCp1251("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"),
            "\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF"
            "\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD7\xD8\xD9\xDA\xDB\xDC\xDD\xDE\xDF");
  EXPECT_EQ(Utf8ToCp1251("абвгдежзийклмнопрстуфхцчшщъыьэюя"),
            "\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF"
            "\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xF8\xF9\xFA\xFB\xFC\xFD\xFE\xFF");
  EXPECT_EQ(Utf8ToCp1251("Ёё (кб) €"), "\xA8\xB8 (\xEA\xE1) ?");

  Cp1251Text text;
  text.Add("Май\n").AddRight("Май", 9).AddRight(42, 5);
  EXPECT_EQ(text.bytes(), "\xCC\xE0\xE9\r\n      \xCC\xE0\xE9   42");
}

}  // namespace
