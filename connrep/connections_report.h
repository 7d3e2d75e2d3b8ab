#pragma once
// The connections report: Windows-1251 text with CR LF, in Russian.
#include <cstddef>
#include <string>
#include <string_view>

#include "connrep/connection_tally.h"

namespace connrep {

inline constexpr std::size_t kTopFiles = 20;
inline constexpr int kChartDays = 31;
inline constexpr std::size_t kLongestBar = 50;

// logName: as the program was given it, shown in the report's head.
std::string FormatConnectionsReport(const ConnectionTally& tally,
                                    std::string_view logName);

}  // namespace connrep
