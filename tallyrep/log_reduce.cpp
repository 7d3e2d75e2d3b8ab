#include "tallyrep/log_reduce.h"

#include <memory>
#include <thread>

#include "reptext/text_mode_reader.h"

namespace {

bool HasCell(const LogLine& line) {
  return line.month >= 1 && line.month <= 12 && line.day >= 1 &&
         line.day <= 31 && line.hour <= 23 && line.minute <= 59;
}

uint32_t& Cell(TrafficTable& table, const LogLine& line) {
  return table.day[line.month][line.day];
}

}  // namespace

ReducedPart ReduceTrafficLog(std::FILE* log, TrafficTables& tables,
                             uint64_t limit) {
  TextModeLineReader reader(log, limit);
  ReducedPart part;
  LogLine previous{};
  std::string_view text;
  while (reader.Next(text)) {
    // The tool always read its lines as C strings, which end at a NUL.
    if (reader.HasNul()) text = text.substr(0, text.find('\0'));
    // An empty or torn line holds no record; the lines after it still count.
    if (text.size() < kMinLogLineLength) continue;
    const LogLine line = ParseLogLine(text);
    uint32_t in_kb = line.in_kb;
    uint32_t out_kb = line.out_kb;
    if (line.run_id == previous.run_id) {
      in_kb -= previous.in_kb;
      out_kb -= previous.out_kb;
    }
    // A date or time the tables have no cell for is not stored, but the line
    // still sets the base of the next difference.
    if (HasCell(line)) {
      Cell(tables.in, line) += in_kb;
      Cell(tables.out, line) += out_kb;
    }
    if (!part.first) part.first = line;
    previous = line;
  }
  if (part.first) part.last = previous;
  part.met_ctrl_z = reader.MetCtrlZ();
  return part;
}

void ReduceTrafficLogFile(std::FILE* log, const std::string& path,
                          TrafficTables& tables, uint64_t halves_from) {
  tables = {};
  std::optional<SecondHalf> second = OpenSecondHalf(path, log, halves_from);
  if (!second) {
    ReduceTrafficLog(log, tables);
  } else {
    auto second_tables = std::make_unique<TrafficTables>();
    ReducedPart second_part;
    std::thread second_reader([&] {
      second_part = ReduceTrafficLog(second->file.get(), *second_tables);
    });
    const ReducedPart first_part = ReduceTrafficLog(log, tables, second->start);
    second_reader.join();
    // After a Ctrl-Z in the first half the second is no longer the text.
    if (!first_part.met_ctrl_z) {
      // The second half's first line was read as a run's first; it is the
      // growth since the first half's last line when they share a run.
      const std::optional<LogLine>& seam = second_part.first;
      if (seam && first_part.last && seam->run_id == first_part.last->run_id &&
          HasCell(*seam)) {
        Cell(second_tables->in, *seam) -= first_part.last->in_kb;
        Cell(second_tables->out, *seam) -= first_part.last->out_kb;
      }
      AddDays(second_tables->in, tables.in);
      AddDays(second_tables->out, tables.out);
    }
  }
  AddDays(tables.in, tables.sum);
  AddDays(tables.out, tables.sum);
}
