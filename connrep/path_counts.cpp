#include "connrep/path_counts.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "connrep/short_keys.h"

namespace connrep {

namespace {

constexpr std::size_t kFirstCapacity = 1024;  // a power of two
}  // namespace

PathCounts::PathCounts() : slots_(kFirstCapacity) {}

void PathCounts::Prefetch(uint64_t hash) const {
  __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
}

bool PathCounts::Holds(const Slot& slot, std::string_view path,
                       uint64_t hash) const {
  return slot.hash == hash && slot.keyLength == path.size() &&
         SameBytes(keys_.data() + slot.keyOffset, path.data(), path.size());
}

void PathCounts::Count(std::string_view path, uint64_t hash, uint64_t times) {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    Slot& slot = slots_[at];
    if (slot.count == 0) {
      slot.hash = hash;
      slot.count = times;
      slot.keyOffset = keys_.size();
      slot.keyLength = path.size();
      keys_ += path;
      // At most half full, so probes stay short.
      if (++size_ * 2 > slots_.size()) Grow();
      return;
    }
    if (Holds(slot, path, hash)) {
      slot.count += times;
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
