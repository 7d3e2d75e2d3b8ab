#include "tallyrep/traffic_tables.h"

void AddDays(const TrafficTable& from, TrafficTable& to) {
  for (int month = 0; month < 13; ++month)
    for (int day = 0; day < 32; ++day)
      to.day[month][day] += from.day[month][day];
}

void SumUp(TrafficTable& table) {
  for (int month = 0; month < 13; ++month) {
    table.month[month] = 0;
    for (uint32_t total : table.day[month]) table.month[month] += total;
  }
}
