#include "connrep/connection_tally.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "connrep/short_keys.h"
#include "reptext/text_mode_reader.h"

namespace connrep {

namespace {

constexpr uint32_t kReceiveEvery = 4096;  // lines

}  // namespace

ConnectionTally::ConnectionTally()
    : perDay_(kCalendarDays), filesAhead_(files_) {}

ComputerTally& ConnectionTally::Computer(std::string_view name) {
  if (last_ != nullptr && SameKey(name, lastName_)) return *last_;
  auto found = computers_.find(name);
  if (found == computers_.end())
    found = computers_.emplace(std::string(name), ComputerTally{}).first;
  // Map nodes never move, so the key and the value stay where they are.
  lastName_ = found->first;
  last_ = &found->second;
  return *last_;
}

void ConnectionTally::Add(const FileLogLine& line) {
  // The path's slot is fetched while the day and the computer are counted.
  const uint64_t hash = HashKey(line.path);
  files_.Prefetch(hash);
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
  computer.daysActive[day] = true;
  if (!parity_) return filesAhead_.Count(line.path, hash);
  if (files_.FitsCache() || Owns(hash))
    filesAhead_.Count(line.path, hash);
  else
    out_->Send(line.path, hash);
  // Now and then, what the other reader sent is counted.
  if (++linesToReceive_ == kReceiveEvery) {
    linesToReceive_ = 0;
    ReceiveShared(false);
  }
}

void ConnectionTally::ReceiveShared(bool untilClosed) {
  in_->Receive([&](std::string_view path,
                   uint64_t hash) { filesAhead_.Count(path, hash); },
               untilClosed);
}

void ConnectionTally::ShareFiles(uint64_t parity, PathChannel& out,
                                 PathChannel& in) {
  parity_ = parity & 1;
  out_ = &out;
  in_ = &in;
}

void ConnectionTally::Settle() {
  if (out_ != nullptr) {
    out_->Close();
    ReceiveShared(true);
  }
  filesAhead_.Settle();
}

void ConnectionTally::Merge(ConnectionTally&& other) {
  // Tallies that did not share their files out could both hold a path.
  if (!parity_ || !other.parity_ || *parity_ == *other.parity_)
    throw std::logic_error("merging tallies that did not share their files");
  openings_ += other.openings_;
  skipped_ += other.skipped_;
  firstDay_ = std::min(firstDay_, other.firstDay_);
  lastDay_ = std::max(lastDay_, other.lastDay_);
  for (std::size_t day = 0; day < perDay_.size(); ++day)
    perDay_[day] += other.perDay_[day];
  for (const auto& [name, counted] : other.computers_) {
    ComputerTally& computer = Computer(name);
    computer.openings += counted.openings;
    computer.daysActive |= counted.daysActive;
  }
  // What each counted of the other's paths before it began sending.
  files_.ForEach([&](const PathCounts::Entry& file) {
    if (!Owns(file.hash))
      other.filesAhead_.Count(file.path, file.hash, file.count);
  });
  other.filesAhead_.Settle();
  other.files_.ForEach([&](const PathCounts::Entry& file) {
    if (Owns(file.hash)) filesAhead_.Count(file.path, file.hash, file.count);
  });
  filesAhead_.Settle();
  othersFiles_ = std::move(other.files_);
  out_ = in_ = nullptr;
}

bool TallyFileLog(std::FILE* log, ConnectionTally& tally, uint64_t limit) {
  TextModeLineReader reader(log, limit, TextModeLineReader::CtrlZ::isDamage);
  bool overLong = false;
  FileLogLineParser parser;
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
    if (!reader.HasNul() && parser.Parse(piece, line))
      tally.Add(line);
    else
      tally.AddSkipped();
  }
  tally.Settle();
  return std::ferror(log) == 0;
}

}  // namespace connrep
