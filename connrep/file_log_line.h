#pragma once
// One line of the file log, "[TIME  dd.mm.yy] [COMPUTER] PATH", read
// without trusting it: a line that does not hold that shape, or a date
// that does not exist, is no line.
#include <string>
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
// Fills `parsed`, whose views point into line; false when the line is no
// line of the log (`parsed` is then left half filled).
bool ParseFileLogLine(std::string_view line, FileLogLine& parsed);

// Parses the lines of a log one after another. Most lines have the date,
// and many the computer, of the line before; such a line is taken by
// comparing its head with that line's, without reading its date again.
class FileLogLineParser {
 public:
  bool Parse(std::string_view line, FileLogLine& parsed);

 private:
  bool ParseOnLastDate(std::string_view line, FileLogLine& parsed);

  // "  dd.mm.yy] [COMPUTER] " of the last line parsed whose time took the
  // usual eight characters; empty when there is none.
  std::string head_;
  struct {
    int day, month, year;
  } last_{};
};

}  // namespace connrep
