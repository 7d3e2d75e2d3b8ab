#pragma once
// What the connections report counts, gathered in one pass over the file
// log: memory grows with the distinct computers and files, not with the
// log's length.
#include <bitset>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "connrep/calendar_day.h"
#include "connrep/file_log_line.h"
#include "connrep/path_counts.h"

namespace connrep {

struct StringHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const {
    return std::hash<std::string_view>{}(text);
  }
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

  // The line's path is counted by the next Add or by Finish: meanwhile the
  // memory that counts it is fetched.
  void Add(const FileLogLine& line);
  void AddSkipped() { ++skipped_; }
  void Finish();

  uint64_t openings() const { return openings_; }
  uint64_t skipped() const { return skipped_; }
  bool empty() const { return openings_ == 0; }
  // Day numbers of the earliest and the latest opening; only when not empty.
  int firstDay() const { return firstDay_; }
  int lastDay() const { return lastDay_; }
  uint64_t openingsOnDay(int dayNumber) const { return perDay_[dayNumber]; }
  const StringMap<ComputerTally>& computers() const { return computers_; }
  // Complete after Finish.
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
  bool pending_ = false;
  std::string pendingPath_;
  uint64_t pendingHash_ = 0;
  // Lines of one computer come in runs; the last one is kept at hand.
  std::string_view lastName_;
  ComputerTally* last_ = nullptr;
  // So are the lines of one day.
  CalendarDate lastDate_;
  int lastDayNumber_ = 0;
};

// Reads the whole log, opened in binary mode, into the tally. Lines that
// are damaged or longer than the reader's 1,023 characters are counted as
// skipped. False when reading the file failed.
bool TallyFileLog(std::FILE* log, ConnectionTally& tally);

}  // namespace connrep
