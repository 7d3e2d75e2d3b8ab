#pragma once

#include <cstdint>

// Kilobytes of one kind of traffic by the month and the day the traffic log
// dates them. A day's total is kept modulo 2^32, as the sum of its minutes
// always was. Index 0 of months and days exists but no valid log line
// reaches it.
struct TrafficTable {
  uint32_t day[13][32];
  uint64_t month[13];  // the sum of the month's day totals
};

struct TrafficTables {
  TrafficTable in;
  TrafficTable out;
  TrafficTable sum;
};

// Adds the day totals of `from` to those of `to` (modulo 2^32).
void AddDays(const TrafficTable& from, TrafficTable& to);

// Fills the month totals from the day totals.
void SumUp(TrafficTable& table);
