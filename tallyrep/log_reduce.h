#pragma once

#include <cstdio>

#include "tallyrep/traffic_tables.h"

// Adds every line of the traffic log to the minute cells of the tables, in
// one pass. Lines of one run of the monitor add the growth since the line
// before; the first line of a run adds its whole totals.
void ReduceTrafficLog(std::FILE* log, TrafficTables& tables);
