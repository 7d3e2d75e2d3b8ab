#include "connrep/path_counts.h"

#include <functional>
#include <utility>

namespace connrep {

namespace {

constexpr std::size_t kFirstCapacity = 1024;  // a power of two

}  // namespace

PathCounts::PathCounts() : slots_(kFirstCapacity) {}

void PathCounts::Count(std::string_view path) {
  const uint64_t hash = std::hash<std::string_view>{}(path);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    Slot& slot = slots_[at];
    if (slot.count == 0) {
      slot = {hash, keys_.size(), static_cast<uint32_t>(path.size()), 1};
      keys_ += path;
      // At most half full, so probes stay short.
      if (++size_ * 2 > slots_.size()) Grow();
      return;
    }
    if (slot.hash == hash && KeyOf(slot) == path) {
      ++slot.count;
      return;
    }
  }
}

void PathCounts::Grow() {
  std::vector<Slot> old(slots_.size() * 2);
  std::swap(old, slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.count == 0) continue;
    std::size_t at = slot.hash & mask;
    while (slots_[at].count != 0) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

std::vector<PathCounts::Entry> PathCounts::Entries() const {
  std::vector<Entry> entries;
  entries.reserve(size_);
  for (const Slot& slot : slots_)
    if (slot.count != 0) entries.push_back({KeyOf(slot), slot.count});
  return entries;
}

}  // namespace connrep
