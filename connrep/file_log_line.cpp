#include "connrep/file_log_line.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace connrep {

namespace {

constexpr std::string_view kDateClose = "] [";
constexpr std::string_view kComputerClose = "] ";
constexpr std::size_t npos = std::string_view::npos;
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

// The first "]" in line[from, to), or `to`. The fields are short and the
// file log long: eight bytes a step, without a library call.
std::size_t findBracket(std::string_view line, std::size_t from,
                        std::size_t to) {
  static_assert(std::endian::native == std::endian::little);
  constexpr uint64_t kOnes = 0x0101010101010101;
  constexpr uint64_t kHighs = 0x8080808080808080;
  for (; from + 8 <= to; from += 8) {
    uint64_t word;
    std::memcpy(&word, line.data() + from, 8);
    const uint64_t x = word ^ (kOnes * ']');
    // The lowest flagged byte is the first "]"; flags above it may be false.
    if (const uint64_t found = (x - kOnes) & ~x & kHighs)
      return from + std::countr_zero(found) / 8;
  }
  while (from < to && line[from] != ']') ++from;
  return from;
}

// Where `close` ("]" and what follows it) first stands from `from` on.
std::size_t findClose(std::string_view line, std::string_view close,
                      std::size_t from) {
  while (from + close.size() <= line.size()) {
    from = findBracket(line, from, line.size());
    if (line.substr(from, close.size()) == close) return from;
    ++from;
  }
  return npos;
}

// The time is written right-aligned in eight characters, so the date
// mostly closes at a fixed place; a longer time is looked through.
std::size_t findDateClose(std::string_view line) {
  constexpr std::size_t kUsual = 1 + 8 + 2 + kDateChars;
  if (line.size() < kUsual + kDateClose.size() ||
      line.substr(kUsual, kDateClose.size()) != kDateClose ||
      findBracket(line, 1, kUsual) != kUsual)
    return findClose(line, kDateClose, 1);
  return kUsual;
}

bool dateExists(int day, int month, int year) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30,
                                  31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12 || day < 1) return false;
  const bool leap = year % 4 == 0;  // 2000 to 2099
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

}  // namespace

bool ParseFileLogLine(std::string_view line, FileLogLine& parsed) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.empty() || line.front() != '[') return false;
  // The time, two blanks and the date stand between the first brackets.
  const std::size_t dateEnd = findDateClose(line);
  if (dateEnd == npos || dateEnd < 1 + kDateChars + 2) return false;
  const std::string_view date = line.substr(dateEnd - kDateChars, kDateChars);
  if (line.substr(dateEnd - kDateChars - 2, 2) != "  " || date[2] != '.' ||
      date[5] != '.')
    return false;
  const int day = twoDigits(date.substr(0, 2));
  const int month = twoDigits(date.substr(3, 2));
  const int year = twoDigits(date.substr(6, 2));
  if (year < 0 || !dateExists(day, month, year)) return false;
  std::string_view time = line.substr(1, dateEnd - kDateChars - 3);
  time.remove_prefix(std::min(time.find_first_not_of(' '), time.size()));
  if (time.empty()) return false;

  const std::size_t computerStart = dateEnd + kDateClose.size();
  const std::size_t computerEnd =
      findClose(line, kComputerClose, computerStart);
  if (computerEnd == npos) return false;
  const std::string_view path =
      line.substr(computerEnd + kComputerClose.size());
  if (path.empty()) return false;
  parsed = {day,
            month,
            year,
            time,
            line.substr(computerStart, computerEnd - computerStart),
            path};
  return true;
}

}  // namespace connrep
