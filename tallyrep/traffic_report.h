#pragma once

#include <string>

#include "tallyrep/report_date.h"
#include "tallyrep/traffic_tables.h"

// The daily and monthly report of the summed-up tables for the months from
// January to the month of `today`, as Windows-1251 text with CR LF.
std::string FormatTrafficReport(const TrafficTables& tables, ReportDate today);
