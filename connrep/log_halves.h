#pragma once
// The log is read in two halves at once, one on another thread, when it is
// big enough for that to pay: the halves meet just after a line feed, so
// each sees whole lines, and their tallies are merged.
#include <cstdint>
#include <string>

#include "connrep/connection_tally.h"

namespace connrep {

inline constexpr uint64_t kHalvesFrom = uint64_t{4} << 20;

// False when the log cannot be opened or read.
bool TallyLogFile(const std::string& path, ConnectionTally& tally,
                  uint64_t halvesFrom = kHalvesFrom);

}  // namespace connrep
