#pragma once
// Paths counted a few lines after they are read: meanwhile their slots,
// then the records the slots name, are fetched into the cache, so the
// lookups of several lines wait on memory together rather than one after
// another.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "connrep/path_counts.h"

namespace connrep {

class CountsAhead {
 public:
  explicit CountsAhead(PathCounts& counts) : counts_(counts) {}
  CountsAhead(const CountsAhead&) = delete;
  CountsAhead& operator=(const CountsAhead&) = delete;

  // hash: HashKey(path). The path is copied: the line it came from may be
  // gone when it is counted.
  void Count(std::string_view path, uint64_t hash, uint64_t times = 1);
  // Counts the paths still waiting.
  void Settle();

 private:
  static constexpr std::size_t kAhead = 16;

  void CountOldest();

  PathCounts& counts_;
  std::array<std::string, kAhead> paths_;
  std::array<uint64_t, kAhead> hashes_{};
  std::array<uint64_t, kAhead> times_{};
  std::array<PathCounts::Hint, kAhead> hints_{};
  std::size_t oldest_ = 0;
  std::size_t waiting_ = 0;
};

}  // namespace connrep
