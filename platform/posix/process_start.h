#pragma once
// When the oldest running process of a name started, from /proc: for a
// daemon that forks workers, when the daemon itself started.
#include <cstdint>
#include <optional>
#include <string>

namespace ov::posix {

// Seconds since 1970; nothing when no process has the name. PROC is the
// root of the process table ("/proc/" on a running system).
std::optional<int64_t> oldestProcessStart(const std::string& name,
                                          const std::string& proc = "/proc/");

}  // namespace ov::posix
