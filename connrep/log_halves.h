#pragma once
// The log is read in two halves at once when it is big enough for that to
// pay. The halves' tallies share the files out between them once there
// are many, each counting its own part of the paths, and are merged at the
// end.
#include <cstdint>
#include <string>

#include "connrep/connection_tally.h"
#include "reptext/second_half.h"

namespace connrep {

// False when the log cannot be opened or read.
bool TallyLogFile(const std::string& path, ConnectionTally& tally,
                  uint64_t halvesFrom = kHalvesFrom);

}  // namespace connrep
