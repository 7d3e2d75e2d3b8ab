#pragma once
// What the connections report counts, gathered in one pass over the file
// log: memory grows with the distinct computers and files, not with the
// log's length.
#include <bitset>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "connrep/calendar_day.h"
#include "connrep/counts_ahead.h"
#include "connrep/file_log_line.h"
#include "connrep/path_channel.h"
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

  // Shares the files out with a tally reading the other half of the log:
  // once its table outgrows the cache, each sends the paths the other owns
  // through `out`, and counts those coming through `in`. This one owns the
  // paths whose hash has `parity` as its bit 32.
  void ShareFiles(uint64_t parity, PathChannel& out, PathChannel& in);

  // The line's file is counted by Settle at the latest.
  void Add(const FileLogLine& line);
  // With files shared, waits for the other tally's last paths.
  void Settle();
  void AddSkipped() { ++skipped_; }
  // Takes in what the tally it shared its files with counted; both
  // settled. The tally is then for reading only.
  void Merge(ConnectionTally&& other);

  uint64_t openings() const { return openings_; }
  uint64_t skipped() const { return skipped_; }
  bool empty() const { return openings_ == 0; }
  // Day numbers of the earliest and the latest opening; only when not empty.
  int firstDay() const { return firstDay_; }
  int lastDay() const { return lastDay_; }
  uint64_t openingsOnDay(int dayNumber) const { return perDay_[dayNumber]; }
  const StringMap<ComputerTally>& computers() const { return computers_; }
  // Calls visit(PathCounts::Entry) once for each file.
  template <class Visit>
  void ForEachFile(Visit visit) const {
    if (!parity_) return files_.ForEach(visit);
    // Each table also keeps paths it counted before it began sending; the
    // merge has added those to their owner's count.
    files_.ForEach([&](const PathCounts::Entry& file) {
      if (Owns(file.hash)) visit(file);
    });
    othersFiles_.ForEach([&](const PathCounts::Entry& file) {
      if (!Owns(file.hash)) visit(file);
    });
  }

 private:
  ComputerTally& Computer(std::string_view name);
  bool Owns(uint64_t hash) const { return (hash >> 32 & 1) == *parity_; }
  void ReceiveShared(bool untilClosed);

  uint64_t openings_ = 0;
  uint64_t skipped_ = 0;
  int firstDay_ = static_cast<int>(kCalendarDays);
  int lastDay_ = -1;
  std::vector<uint64_t> perDay_;
  StringMap<ComputerTally> computers_;
  PathCounts files_;
  CountsAhead filesAhead_;
  // With the files shared.
  std::optional<uint64_t> parity_;
  PathChannel* out_ = nullptr;
  PathChannel* in_ = nullptr;
  uint32_t linesToReceive_ = 0;
  PathCounts othersFiles_;  // merged in
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
