#include "connrep/path_counts.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace connrep {

namespace {

constexpr std::size_t kFirstCapacity = 1024;  // a power of two
constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15;

uint64_t Mix(uint64_t hash, uint64_t word) {
  hash = (hash ^ word) * kMultiplier;
  return hash ^ (hash >> 29);
}

}  // namespace

PathCounts::PathCounts() : slots_(kFirstCapacity) {}

uint64_t PathCounts::Hash(std::string_view path) {
  // Eight bytes a step; the table needs spread, not strength.
  uint64_t hash = path.size() * kMultiplier;
  std::size_t at = 0;
  for (; at + 8 <= path.size(); at += 8) {
    uint64_t word;
    std::memcpy(&word, path.data() + at, 8);
    hash = Mix(hash, word);
  }
  uint64_t tail = 0;
  if (path.size() >= 8) {
    // The last eight bytes, overlapping the words before.
    std::memcpy(&tail, path.data() + path.size() - 8, 8);
  } else {
    for (std::size_t shift = 0; at < path.size(); ++at, shift += 8)
      tail |= uint64_t{static_cast<unsigned char>(path[at])} << shift;
  }
  return Mix(Mix(hash, tail), 0);
}

void PathCounts::Prefetch(uint64_t hash) const {
  __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
}

bool PathCounts::Holds(const Slot& slot, std::string_view path,
                       uint64_t hash) const {
  if (slot.hash != hash || slot.keyLength != path.size()) return false;
  const std::size_t inSlot = std::min(path.size(), kPrefix);
  if (std::memcmp(slot.prefix, path.data(), inSlot) != 0) return false;
  return path.size() <= kPrefix ||
         KeyOf(slot).substr(kPrefix) == path.substr(kPrefix);
}

void PathCounts::Count(std::string_view path, uint64_t hash) {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    Slot& slot = slots_[at];
    if (slot.count == 0) {
      slot.hash = hash;
      slot.count = 1;
      slot.keyOffset = keys_.size();
      slot.keyLength = static_cast<uint32_t>(path.size());
      std::memcpy(slot.prefix, path.data(), std::min(path.size(), kPrefix));
      keys_ += path;
      // At most half full, so probes stay short.
      if (++size_ * 2 > slots_.size()) Grow();
      return;
    }
    if (Holds(slot, path, hash)) {
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
