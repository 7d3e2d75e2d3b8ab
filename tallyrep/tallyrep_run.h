#pragma once

#include <cstdio>
#include <string>

#include "tallyrep/report_date.h"
#include "tallyrep/traffic_tables.h"

// Reads the whole log into zeroed tables, sums them up and returns the report
// for `today`.
std::string ReportFromLog(std::FILE* log, TrafficTables& tables,
                          ReportDate today);

// The program: `tallyrep input output`. Returns the exit code.
int RunTallyrep(int argc, const char* const* argv, ReportDate today);
