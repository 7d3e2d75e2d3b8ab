#include "tallyrep/traffic_tables.h"

#include <cstring>

void ClearTables(TrafficTables& tables) {
  std::memset(&tables, 0, sizeof tables);
}

void SumUp(TrafficTable& table) {
  for (MonthBlock& month : table.month) {
    month.total = 0;
    for (DayBlock& day : month.day) {
      uint32_t running = 0;
      for (HourBlock& hour : day.hour) {
        for (uint32_t cell : hour.minute) running += cell;
        hour.running_sum = running;
      }
      day.total = running;
      month.total += running;
    }
  }
}
