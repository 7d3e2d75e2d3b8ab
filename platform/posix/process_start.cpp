#include "platform/posix/process_start.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace ov::posix {

namespace {

std::string firstLine(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

// The boot time in seconds since 1970 (the "btime" line of stat).
std::optional<int64_t> bootTime(const std::string& proc) {
  std::ifstream in(proc + "stat");
  std::string key;
  int64_t value = 0;
  while (in >> key)
    if (key == "btime" && in >> value) return value;
  return std::nullopt;
}

// A process's start in clock ticks after boot: the 22nd field of its stat
// line, counted after the name in parentheses, which may hold blanks.
std::optional<uint64_t> startTicks(const std::filesystem::path& dir) {
  const std::string stat = firstLine(dir / "stat");
  const auto nameEnd = stat.rfind(')');
  if (nameEnd == std::string::npos) return std::nullopt;
  std::istringstream fields(stat.substr(nameEnd + 1));
  std::string field;
  // Fields 3 to 21 come before the start time.
  for (int skipped = 3; skipped <= 21; ++skipped)
    if (!(fields >> field)) return std::nullopt;
  uint64_t ticks = 0;
  if (!(fields >> ticks)) return std::nullopt;
  return ticks;
}

}  // namespace

std::optional<int64_t> oldestProcessStart(const std::string& name,
                                          const std::string& proc) {
  const auto boot = bootTime(proc);
  const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
  if (!boot || ticksPerSecond <= 0) return std::nullopt;
  std::optional<uint64_t> oldest;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(proc, error)) {
    const std::string pid = entry.path().filename().string();
    if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
    // A process may end while the table is read: it is simply left out.
    if (firstLine(entry.path() / "comm") != name) continue;
    const auto ticks = startTicks(entry.path());
    if (ticks && (!oldest || *ticks < *oldest)) oldest = ticks;
  }
  if (!oldest) return std::nullopt;
  return *boot + static_cast<int64_t>(*oldest / ticksPerSecond);
}

}  // namespace ov::posix
