#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "reptext/second_half.h"
#include "tallyrep/log_line.h"
#include "tallyrep/traffic_tables.h"

// What one reader of the log saw: the first and the last line that counted,
// and whether a Ctrl-Z ended the text.
struct ReducedPart {
  std::optional<LogLine> first;
  std::optional<LogLine> last;
  bool met_ctrl_z = false;
};

// Adds every line, from where the log stands and at most `limit` bytes, to
// the day totals of `tables.in` and `tables.out`, in one pass. Lines of one
// run of the monitor add the growth since the line before; the first line of
// a run, and the first line read here, add their whole totals.
ReducedPart ReduceTrafficLog(std::FILE* log, TrafficTables& tables,
                             uint64_t limit = UINT64_MAX);

// The whole log, open in binary mode at its start, into zeroed tables, sum
// included. A big log is read in two halves at once through a second handle
// on `path`; the day totals come out as one pass makes them.
void ReduceTrafficLogFile(std::FILE* log, const std::string& path,
                          TrafficTables& tables,
                          uint64_t halves_from = kHalvesFrom);
