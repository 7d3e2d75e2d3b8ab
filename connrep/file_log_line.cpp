#include "connrep/file_log_line.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "connrep/short_keys.h"

namespace connrep {

namespace {

constexpr std::string_view kDateClose = "] [";
constexpr std::string_view kComputerClose = "] ";
constexpr std::size_t npos = std::string_view::npos;
// "dd.mm.yy"
constexpr std::size_t kDateChars = 8;
// The time is written right-aligned in eight characters, so the date
// mostly closes at a fixed place.
constexpr std::size_t kUsualTime = 8;
constexpr std::size_t kUsualDateEnd = 1 + kUsualTime + 2 + kDateChars;

// -1 when the text is not two digits.
int twoDigits(std::string_view text) {
  if (text.size() != 2) return -1;
  const unsigned high = static_cast<unsigned char>(text[0]) - '0';
  const unsigned low = static_cast<unsigned char>(text[1]) - '0';
  if (high > 9 || low > 9) return -1;
  return static_cast<int>(high * 10 + low);
}

constexpr uint64_t kOnes = 0x0101010101010101;

// The high bit of each byte of `word` that equals `byte`; bits above the
// lowest one may be false, but none is set when no byte equals it.
uint64_t BytesEqual(uint64_t word, char byte) {
  const uint64_t x = word ^ (kOnes * static_cast<unsigned char>(byte));
  return (x - kOnes) & ~x & (kOnes * 0x80);
}

// The first "]" in line[from, to), or `to`. The fields are short and the
// file log long: eight bytes a step, without a library call.
std::size_t findBracket(std::string_view line, std::size_t from,
                        std::size_t to) {
  static_assert(std::endian::native == std::endian::little);
  for (; from + 8 <= to; from += 8) {
    if (const uint64_t found = BytesEqual(WordAt(line.data() + from), ']'))
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

// A longer time than the usual one is looked through.
std::size_t findDateClose(std::string_view line) {
  if (line.size() < kUsualDateEnd + kDateClose.size() ||
      line.substr(kUsualDateEnd, kDateClose.size()) != kDateClose ||
      findBracket(line, 1, kUsualDateEnd) != kUsualDateEnd)
    return findClose(line, kDateClose, 1);
  return kUsualDateEnd;
}

std::string_view timeOf(std::string_view line, std::size_t dateEnd) {
  std::string_view time = line.substr(1, dateEnd - kDateChars - 3);
  time.remove_prefix(std::min(time.find_first_not_of(' '), time.size()));
  return time;
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
  const std::string_view time = timeOf(line, dateEnd);
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

bool FileLogLineParser::ParseOnLastDate(std::string_view line,
                                        FileLogLine& parsed) {
  constexpr std::size_t kHeadStart = 1 + kUsualTime;
  constexpr std::size_t kDateHead = 2 + kDateChars + kDateClose.size();
  constexpr std::size_t kComputerStart = kHeadStart + kDateHead;
  static_assert(kUsualTime == 8, "the time is one word");
  if (head_.empty() || line.size() <= kComputerStart || line.front() != '[' ||
      !SameBytes(line.data() + kHeadStart, head_.data(), kDateHead))
    return false;
  // The date's closing bracket is the first if the time holds none.
  const uint64_t time = WordAt(line.data() + 1);
  const uint64_t notBlank = time ^ (kOnes * ' ');
  if (notBlank == 0 || BytesEqual(time, ']') != 0) return false;

  // Mostly the computer is the last line's too: its "] " is the first.
  std::size_t pathStart = kHeadStart + head_.size();
  const std::string_view lastComputer =
      std::string_view(head_).substr(kDateHead);
  if (line.size() <= pathStart ||
      !SameBytes(line.data() + kComputerStart, lastComputer.data(),
                 lastComputer.size())) {
    const std::size_t computerEnd =
        findClose(line, kComputerClose, kComputerStart);
    if (computerEnd == npos) return false;
    pathStart = computerEnd + kComputerClose.size();
    head_.assign(line.data() + kHeadStart, line.data() + pathStart);
  }
  if (pathStart == line.size()) return false;
  // Blanks lead the time; the first byte is the lowest.
  const std::size_t blanks = std::countr_zero(notBlank) / 8;
  parsed = {last_.day,
            last_.month,
            last_.year,
            line.substr(1 + blanks, kUsualTime - blanks),
            line.substr(kComputerStart,
                        pathStart - kComputerClose.size() - kComputerStart),
            line.substr(pathStart)};
  return true;
}

bool FileLogLineParser::Parse(std::string_view line, FileLogLine& parsed) {
  std::string_view body = line;
  if (!body.empty() && body.back() == '\r') body.remove_suffix(1);
  if (ParseOnLastDate(body, parsed)) return true;
  if (!ParseFileLogLine(line, parsed)) return false;
  const std::size_t headStart = 1 + kUsualTime;
  if (parsed.time.data() + parsed.time.size() == line.data() + headStart) {
    head_.assign(line.data() + headStart, parsed.path.data());
    last_ = {parsed.day, parsed.month, parsed.year};
  } else {
    head_.clear();
  }
  return true;
}

}  // namespace connrep
