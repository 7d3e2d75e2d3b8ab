#pragma once
// One line of the file log, "[TIME  dd.mm.yy] [COMPUTER] PATH", read
// without trusting it: a line that does not hold that shape, or a date
// that does not exist, is no line.
#include <optional>
#include <string_view>

namespace connrep {

struct FileLogLine {
  int day = 0;
  int month = 0;
  int year = 0;               // two digits as written: 2000 + yy
  std::string_view time;      // as the program's locale wrote it
  std::string_view computer;  // may be empty
  std::string_view path;      // never empty
};

// line: without its line end (a CR left before the LF is dropped here).
// The views point into line.
std::optional<FileLogLine> ParseFileLogLine(std::string_view line);

}  // namespace connrep
