#pragma once
// The journal of the simulated world: one JSON line for every effect the
// program has on it, stamped with the seconds since the run started.
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ov {

// One journal argument: a string, a number, true/false, or null.
using JournalArg = std::variant<std::nullptr_t, std::string, long long, bool>;

class Journal {
 public:
  // elapsedMs gives the time stamp of each line.
  explicit Journal(std::function<uint64_t()> elapsedMs);
  // Lines go to the file; without one they are kept for lines().
  bool open(const std::string& path);
  void write(std::string_view call, const std::vector<JournalArg>& args);
  const std::vector<std::string>& lines() const { return lines_; }

 private:
  std::function<uint64_t()> elapsedMs_;
  std::ofstream out_;
  std::vector<std::string> lines_;
};

}  // namespace ov
