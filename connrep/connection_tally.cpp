#include "connrep/connection_tally.h"

#include <algorithm>

#include "reptext/text_mode_reader.h"

namespace connrep {

ConnectionTally::ConnectionTally() : perDay_(kCalendarDays) {}

ComputerTally& ConnectionTally::Computer(std::string_view name) {
  if (last_ != nullptr && name == lastName_) return *last_;
  auto found = computers_.find(name);
  if (found == computers_.end())
    found = computers_.emplace(std::string(name), ComputerTally{}).first;
  // Map nodes never move, so the key and the value stay where they are.
  lastName_ = found->first;
  last_ = &found->second;
  return *last_;
}

void ConnectionTally::Add(const FileLogLine& line) {
  const CalendarDate date{line.day, line.month, 2000 + line.year};
  if (date.day != lastDate_.day || date.month != lastDate_.month ||
      date.year != lastDate_.year) {
    lastDate_ = date;
    lastDayNumber_ = DayNumber(date);
  }
  const int day = lastDayNumber_;
  ++openings_;
  ++perDay_[day];
  firstDay_ = std::min(firstDay_, day);
  lastDay_ = std::max(lastDay_, day);
  ComputerTally& computer = Computer(line.computer);
  ++computer.openings;
  computer.daysActive.set(day);
  const uint64_t hash = PathCounts::Hash(line.path);
  files_.Prefetch(hash);
  Finish();
  pending_ = true;
  pendingPath_.assign(line.path);
  pendingHash_ = hash;
}

void ConnectionTally::Finish() {
  if (pending_) files_.Count(pendingPath_, pendingHash_);
  pending_ = false;
}

bool TallyFileLog(std::FILE* log, ConnectionTally& tally) {
  TextModeLineReader reader(log);
  bool overLong = false;
  FileLogLine line;
  for (std::string_view piece; reader.Next(piece);) {
    if (overLong || !reader.LineEnded()) {
      // The pieces of a line too long to read whole are skipped as one line.
      overLong = !reader.LineEnded();
      if (!overLong) tally.AddSkipped();
      continue;
    }
    if (piece.back() == '\n') piece.remove_suffix(1);
    if (piece.empty()) continue;  // a blank line is no damage
    // A NUL is damage: the program never writes one.
    if (!reader.HasNul() && ParseFileLogLine(piece, line))
      tally.Add(line);
    else
      tally.AddSkipped();
  }
  tally.Finish();
  return std::ferror(log) == 0;
}

}  // namespace connrep
