#include "connrep/path_counts.h"

#include <cstring>
#include <stdexcept>
#include <utility>

#include "connrep/short_keys.h"

namespace connrep {

namespace {

constexpr std::size_t kFirstCapacity = 1024;  // a power of two

uint32_t TagOf(uint64_t hash) { return static_cast<uint32_t>(hash >> 32); }

}  // namespace

PathCounts::PathCounts() : slots_(kFirstCapacity) {}

void PathCounts::Prefetch(uint64_t hash) const {
  __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
}

uint32_t PathCounts::Add(std::string_view path, uint64_t times) {
  const std::size_t first = arena_.size();
  const std::size_t words = kHeadWords + (path.size() + 7) / 8;
  // Slots name records by a 32-bit word number.
  if (first + words >= UINT32_MAX)
    throw std::length_error("too many distinct paths");
  arena_.resize(first + words);
  arena_[first] = times;
  arena_[first + 1] = path.size();
  std::memcpy(arena_.data() + first + kHeadWords, path.data(), path.size());
  return static_cast<uint32_t>(first + 1);
}

void PathCounts::Count(std::string_view path, uint64_t hash, uint64_t times) {
  const std::size_t mask = slots_.size() - 1;
  const uint32_t tag = TagOf(hash);
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    Slot& slot = slots_[at];
    if (slot.record == 0) {
      slot = {tag, Add(path, times)};
      // At most half full, so probes stay short.
      if (++size_ * 2 > slots_.size()) Grow();
      return;
    }
    const std::size_t first = slot.record - 1;
    if (slot.tag == tag && arena_[first + 1] == path.size() &&
        SameBytes(KeyAt(first).data(), path.data(), path.size())) {
      arena_[first] += times;
      return;
    }
  }
}

void PathCounts::Grow() {
  std::vector<Slot> old(slots_.size() * 2);
  std::swap(old, slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.record == 0) continue;
    std::size_t at = HashKey(KeyAt(slot.record - 1)) & mask;
    while (slots_[at].record != 0) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

std::vector<PathCounts::Entry> PathCounts::Entries() const {
  std::vector<Entry> entries;
  entries.reserve(size_);
  for (const Slot& slot : slots_)
    if (slot.record != 0)
      entries.push_back({KeyAt(slot.record - 1), arena_[slot.record - 1]});
  return entries;
}

}  // namespace connrep
