// Reading the file log's lines: what is taken and what is refused.
#include "connrep/file_log_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace connrep {
namespace {

std::optional<FileLogLine> Parsed(std::string_view text) {
  FileLogLine line;
  if (!ParseFileLogLine(text, line)) return std::nullopt;
  return line;
}

TEST(FileLogLine, TakesTheFieldsOfAWellFormedLine) {
  const auto line = Parsed("[ 9:05:03  05.03.06] [PC1] C:\\Docs\\a.doc\r");
  ASSERT_TRUE(line.has_value());
  EXPECT_EQ(line->time, "9:05:03");
  EXPECT_EQ(line->day, 5);
  EXPECT_EQ(line->month, 3);
  EXPECT_EQ(line->year, 6);
  EXPECT_EQ(line->computer, "PC1");
  EXPECT_EQ(line->path, "C:\\Docs\\a.doc");

  // An empty computer, a 12-hour time, blanks and brackets in the path.
  const auto other =
      Parsed("[9:05:03 PM  29.02.24] [] D:\\My [old] docs\\b.txt");
  ASSERT_TRUE(other.has_value());
  EXPECT_EQ(other->time, "9:05:03 PM");
  EXPECT_EQ(other->computer, "");
  EXPECT_EQ(other->path, "D:\\My [old] docs\\b.txt");
}

TEST(FileLogLine, RefusesDamagedLinesAndDatesThatDoNotExist) {
  for (const std::string bad :
       {"", "garbage", "[ 9:05:03  05.03.06] PC1 C:\\a.doc",
        "[ 9:05:03  05.03.06] [PC1]", "[ 9:05:03  05.03.06] [PC1] ",
        "[ 9:05:03 05.03.06] [PC1] C:\\a", "[05.03.06] [PC1] C:\\a",
        "[   05.03.06] [PC1] C:\\a", "[ 9:05:03  5.3.2006] [PC1] C:\\a",
        "[ 9:05:03  31.04.06] [PC1] C:\\a", "[ 9:05:03  29.02.23] [PC1] C:\\a",
        "[ 9:05:03  00.01.06] [PC1] C:\\a", "[ 9:05:03  01.13.06] [PC1] C:\\a",
        "[ 9:05:03  0a.01.06] [PC1] C:\\a", "[ 9:05:03  05.03.06] [PC1 C:\\a"})
    EXPECT_FALSE(Parsed(bad).has_value()) << bad;
  // A megabyte of path is taken in place, without a copy.
  const std::string huge =
      "[ 9:05:03  05.03.06] [PC1] C:\\" + std::string(1 << 20, 'x');
  const auto line = Parsed(huge);
  ASSERT_TRUE(line.has_value());
  EXPECT_EQ(line->path.size(), 3u + (1u << 20));
}

// A parser that remembers the last line must read every line as a line
// read alone is read.
TEST(FileLogLine, ALineReadAfterAnotherReadsAsAlone) {
  const std::string lines[] = {
      "[ 9:05:03  05.03.06] [PC1] C:\\a.doc\r",
      "[10:00:00  05.03.06] [PC1] C:\\b.doc",
      "[10:00:01  05.03.06] [PC12] C:\\c.doc",  // the last name and more
      "[10:00:02  05.03.06] [PC] C:\\d.doc",    // a part of the last name
      "[10:00:03  05.03.06] [PC] ",             // no path
      "[10:00:04  05.03.06] [PC]",
      "[        05.03.06] [PC] C:\\e",  // a blank time
      "[10:0]:05  05.03.06] [PC] C:\\f",
      "[10:00:06  05.03.06] [PC]] C:\\g",  // "]" ends the name
      "[10:00:07  05.03.06] [PC]] C:\\h",
      "[10:00:08  05.03.06] [PC C:\\i",
      "[10:00:09  06.03.06] [PC] C:\\j",
      "[9:05:03 PM  06.03.06] [PC] C:\\k",
      "[10:00:10  06.03.06] [PC] C:\\l] [x] y\r\r",
      "[10:00:11  06.03.06] [PC] C:\\l] [x] y\r",
      "[10:00:12  06.03.06] [] C:\\m",
      "x10:00:13  06.03.06] [] C:\\n",
  };
  FileLogLineParser parser;
  for (const std::string& text : lines) {
    FileLogLine inTurn;
    const bool takenInTurn = parser.Parse(text, inTurn);
    const auto alone = Parsed(text);
    ASSERT_EQ(takenInTurn, alone.has_value()) << text;
    if (!alone) continue;
    EXPECT_EQ(inTurn.day, alone->day) << text;
    EXPECT_EQ(inTurn.month, alone->month) << text;
    EXPECT_EQ(inTurn.year, alone->year) << text;
    EXPECT_EQ(inTurn.time, alone->time) << text;
    EXPECT_EQ(inTurn.computer, alone->computer) << text;
    EXPECT_EQ(inTurn.path, alone->path) << text;
  }
}

}  // namespace
}  // namespace connrep
