#pragma once

#include <cstdint>

// Kilobytes of one kind of traffic, by month, day, hour and minute, as the
// traffic log dates them. Index 0 of months and days exists but no valid log
// line reaches it.
struct HourBlock {
  uint32_t minute[60];
  uint32_t running_sum;  // the day's minutes up to the end of this hour
};

struct DayBlock {
  HourBlock hour[24];
  uint32_t total;  // modulo 2^32
};

struct MonthBlock {
  DayBlock day[32];
  uint64_t total;
};

struct TrafficTable {
  MonthBlock month[13];
};

static_assert(sizeof(TrafficTable) == 2'437'864);

struct TrafficTables {
  TrafficTable in;
  TrafficTable out;
  TrafficTable sum;
};

void ClearTables(TrafficTables& tables);

// Fills the hour slots, day totals and month totals from the minute cells.
void SumUp(TrafficTable& table);
