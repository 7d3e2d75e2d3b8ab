#include "tallyrep/log_reduce.h"

#include "reptext/text_mode_reader.h"
#include "tallyrep/log_line.h"

namespace {

bool HasCell(const LogLine& line) {
  return line.month >= 1 && line.month <= 12 && line.day >= 1 &&
         line.day <= 31 && line.hour <= 23 && line.minute <= 59;
}

uint32_t& Cell(TrafficTable& table, const LogLine& line) {
  return table.month[line.month]
      .day[line.day]
      .hour[line.hour]
      .minute[line.minute];
}

}  // namespace

void ReduceTrafficLog(std::FILE* log, TrafficTables& tables) {
  TextModeLineReader reader(log);
  LogLine previous{};
  std::string_view text;
  while (reader.Next(text)) {
    // The tool always read its lines as C strings, which end at a NUL.
    if (reader.HasNul()) text = text.substr(0, text.find('\0'));
    // An empty or torn line holds no record; the lines after it still count.
    if (text.size() < kMinLogLineLength) continue;
    LogLine line = ParseLogLine(text);
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
      Cell(tables.sum, line) += in_kb + out_kb;
    }
    previous = line;
  }
}
