#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Lines shorter than this, counted with their line feed, hold no full record.
constexpr std::size_t kMinLogLineLength = 70;

// The fields of one traffic log line that the report uses, read by their
// fixed positions; the seconds and the year count for nothing.
struct LogLine {
  uint32_t in_kb;
  uint32_t out_kb;
  uint32_t run_id;
  uint8_t hour;
  uint8_t minute;
  uint8_t day;
  uint8_t month;
};

// Totals above 2^32 - 1 kilobytes are kept modulo 2^32; the date and time
// fields keep their low 8 bits. Positions past the end read as 0.
LogLine ParseLogLine(std::string_view line);
