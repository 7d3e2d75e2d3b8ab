#include "connrep/file_log_line.h"

#include <algorithm>

namespace connrep {

namespace {

constexpr std::string_view kDateClose = "] [";
constexpr std::string_view kComputerClose = "] ";
// "dd.mm.yy"
constexpr std::size_t kDateChars = 8;

// -1 when the text is not two digits.
int twoDigits(std::string_view text) {
  if (text.size() != 2) return -1;
  const unsigned high = static_cast<unsigned char>(text[0]) - '0';
  const unsigned low = static_cast<unsigned char>(text[1]) - '0';
  if (high > 9 || low > 9) return -1;
  return static_cast<int>(high * 10 + low);
}

bool dateExists(int day, int month, int year) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30,
                                  31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12 || day < 1) return false;
  const bool leap = year % 4 == 0;  // 2000 to 2099
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

}  // namespace

std::optional<FileLogLine> ParseFileLogLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t dateEnd = line.find(kDateClose);
  // The time, two blanks and the date stand between the first brackets.
  if (dateEnd == std::string_view::npos || dateEnd < 1 + kDateChars + 2)
    return std::nullopt;
  const std::string_view date = line.substr(dateEnd - kDateChars, kDateChars);
  if (line.substr(dateEnd - kDateChars - 2, 2) != "  " || date[2] != '.' ||
      date[5] != '.')
    return std::nullopt;
  const int day = twoDigits(date.substr(0, 2));
  const int month = twoDigits(date.substr(3, 2));
  const int year = twoDigits(date.substr(6, 2));
  if (year < 0 || !dateExists(day, month, year)) return std::nullopt;
  std::string_view time = line.substr(1, dateEnd - kDateChars - 3);
  time.remove_prefix(std::min(time.find_first_not_of(' '), time.size()));
  if (time.empty()) return std::nullopt;

  const std::size_t computerStart = dateEnd + kDateClose.size();
  const std::size_t computerEnd = line.find(kComputerClose, computerStart);
  if (computerEnd == std::string_view::npos) return std::nullopt;
  const std::string_view path =
      line.substr(computerEnd + kComputerClose.size());
  if (path.empty()) return std::nullopt;
  return FileLogLine{day,
                     month,
                     year,
                     time,
                     line.substr(computerStart, computerEnd - computerStart),
                     path};
}

}  // namespace connrep
