#pragma once
// One client connection as the monitor tracks it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/clock.h"

namespace ov::monitor {

// Field widths in characters; longer names are cut to them.
inline constexpr std::size_t kClientNameChars = 16;
inline constexpr std::size_t kUserNameChars = 32;
inline constexpr std::size_t kClientSystemChars = 64;

struct ConnectionRecord {
  std::string clientName;  // without leading backslashes
  std::string userName;
  std::string clientSystem;
  LocalDateTime startTime;      // when the monitor first saw it
  uint32_t sessionSeconds = 0;  // as last reported
  uint32_t filesOpened = 0;     // logged openings while tracked
  bool seen = false;            // reported by the current cycle
};

}  // namespace ov::monitor
