#pragma once
// What the connections report counts, gathered in one pass over the file
// log: memory grows with the distinct computers and files, not with the
// log's length. The tallies of whole logs (TallyFileLog) are settled.
#include <bitset>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "connrep/calendar_day.h"
#include "connrep/counts_ahead.h"
#include "connrep/file_log_line.h"
#include "connrep/path_counts.h"
#include "connrep/short_keys.h"

namespace connrep {

struct StringHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const { return HashKey(text); }
};

// Keyed by the log's own bytes (Windows-1251); looked up without a copy.
template <class Value>
using StringMap =
    std::unordered_map<std::string, Value, StringHash, std::equal_to<>>;

struct ComputerTally {
  uint64_t openings = 0;
  std::bitset<kCalendarDays> daysActive;
};

class ConnectionTally {
 public:
  ConnectionTally();

  ConnectionTally(const ConnectionTally&) = delete;
  ConnectionTally& operator=(const ConnectionTally&) = delete;

  // The line's file is counted by Settle at the latest.
  void Add(const FileLogLine& line);
  void Settle() { filesAhead_.Settle(); }
  void AddSkipped() { ++skipped_; }
  // Adds what another tally counted; both settled.
  void Merge(const ConnectionTally& other);

  uint64_t openings() const { return openings_; }
  uint64_t skipped() const { return skipped_; }
  bool empty() const { return openings_ == 0; }
  // Day numbers of the earliest and the latest opening; only when not empty.
  int firstDay() const { return firstDay_; }
  int lastDay() const { return lastDay_; }
  uint64_t openingsOnDay(int dayNumber) const { return perDay_[dayNumber]; }
  const StringMap<ComputerTally>& computers() const { return computers_; }
  const PathCounts& files() const { return files_; }

 private:
  ComputerTally& Computer(std::string_view name);

  uint64_t openings_ = 0;
  uint64_t skipped_ = 0;
  int firstDay_ = static_cast<int>(kCalendarDays);
  int lastDay_ = -1;
  std::vector<uint64_t> perDay_;
  StringMap<ComputerTally> computers_;
  PathCounts files_;
  CountsAhead filesAhead_;
  // Lines of one computer come in runs; the last one is kept at hand.
  std::string_view lastName_;
  ComputerTally* last_ = nullptr;
  // So are the lines of one day.
  CalendarDate lastDate_;
  int lastDayNumber_ = 0;
};

// Reads the log, opened in binary mode, into the tally: from where it
// stands, at most `limit` bytes, which should end with a line. Lines that
// are damaged (a NUL or a Ctrl-Z among them: the program writes neither) or
// longer than the reader's 1,023 characters are counted as skipped. False
// when reading the file failed.
bool TallyFileLog(std::FILE* log, ConnectionTally& tally,
                  uint64_t limit = UINT64_MAX);

}  // namespace connrep
