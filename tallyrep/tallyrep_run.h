#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "reptext/second_half.h"
#include "tallyrep/report_date.h"

// Reads the whole log at `path`, open in binary mode at its start as `log`,
// and returns the report for `today`.
std::string ReportFromLog(std::FILE* log, const std::string& path,
                          ReportDate today, uint64_t halves_from = kHalvesFrom);

// The program: `tallyrep input output`. Returns the exit code.
int RunTallyrep(int argc, const char* const* argv, ReportDate today);
