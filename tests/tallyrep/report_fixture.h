#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tallyrep/report_date.h"

// The report tallyrep makes of these log bytes on the given day.
std::string ReportFor(std::string_view log_bytes, ReportDate today);

// Expected report text, written as UTF-8 with "\n", in the bytes of the
// report: Windows-1251 with CR LF.
std::string Cp1251(std::string_view utf8);

// The day lines "Число ..." of days without traffic, from `first` to `last`.
std::string ZeroDays(int first, int last, std::string_view unit = "кб");

// The report cut at its dash lines: [1] the date, [2] inbound, [3] outbound,
// [4] the sum.
std::vector<std::string> Sections(const std::string& report);

// One month's block of a section, from its row of asterisks to its last day.
std::string BlockOfMonth(const std::string& section, std::string_view month);

// A file in a folder of the running test's own.
std::string TestFilePath(std::string_view name);
void WriteFile(const std::string& path, std::string_view bytes);
std::string ReadFile(const std::string& path);
