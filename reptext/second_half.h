#pragma once
// A big log is read in two halves at once, the second on another thread:
// the halves meet just after a line feed, so each reader sees whole lines
// and the line pieces come out as one reader makes them.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "reptext/owned_file.h"

inline constexpr uint64_t kHalvesFrom = uint64_t{4} << 20;

struct SecondHalf {
  OwnedFile file;      // standing where the second half starts
  uint64_t start = 0;  // the first half's length
};

// A second handle on the log at `path`, of which `first` is open in binary
// mode, standing at the start of its second half; `first` is left at the
// start. Nothing for a log under `halvesFrom` bytes, one that cannot be
// seeked, or one without a line feed after its middle: it is read in one.
std::optional<SecondHalf> OpenSecondHalf(const std::string& path,
                                         std::FILE* first,
                                         uint64_t halvesFrom = kHalvesFrom);
