#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// One traffic log line as the monitor writes it, ending in CR LF. `time` is
// "H:MM:SS"; the year is written modulo 100.
inline std::string TrafficLogLine(std::string_view time, int day, int month,
                                  int year, long long in_kb, long long out_kb,
                                  int run_id,
                                  std::string_view adapter = "Intel PRO/100") {
  char fields[128];
  std::snprintf(fields, sizeof fields,
                "[%8.*s  %02i.%02i.%02i]  In (kb):%10lld  Out (kb):%10lld "
                "sessID:%5d  Adapter:",
                static_cast<int>(time.size()), time.data(), day, month,
                year % 100, in_kb, out_kb, run_id);
  return std::string(fields).append(adapter).append("\r\n");
}
