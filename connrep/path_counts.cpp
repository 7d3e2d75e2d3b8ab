#include "connrep/path_counts.h"

#include <limits>
#include <stdexcept>

#include "connrep/short_keys.h"

namespace connrep {

namespace {

constexpr unsigned kFirstBits = 10;
// References are 32 bits: the block's number takes what the offset leaves.
constexpr std::size_t kMostBlocks = std::size_t{1} << 12;

}  // namespace

PathCounts::PathCounts()
    : bits_(kFirstBits), slots_(std::size_t{1} << kFirstBits) {}

void PathCounts::Prefetch(uint64_t hash) const {
  __builtin_prefetch(&slots_[HomeOf(TagOf(hash))]);
}

PathCounts::Hint PathCounts::HintFor(uint64_t hash) {
  const uint32_t tag = TagOf(hash);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = HomeOf(tag); slots_[at].record != 0;
       at = (at + 1) & mask)
    if (slots_[at].tag == tag) {
      char* record = RecordAt(slots_[at].record);
      __builtin_prefetch(record);
      return {record};
    }
  return {nullptr};
}

uint32_t PathCounts::Add(std::string_view path, uint32_t tag, uint64_t times) {
  if (path.size() > std::numeric_limits<uint16_t>::max())
    throw std::length_error("path too long to count");
  const std::size_t bytes = kHeadBytes + path.size();
  if (blocks_.empty() || blocks_.back().used + bytes > kBlockBytes) {
    if (blocks_.size() == kMostBlocks)
      throw std::length_error("too many distinct paths");
    blocks_.push_back({std::make_unique_for_overwrite<char[]>(kBlockBytes)});
  }
  Block& block = blocks_.back();
  char* record = block.bytes.get() + block.used;
  const auto length = static_cast<uint16_t>(path.size());
  std::memcpy(record, &times, sizeof times);
  std::memcpy(record + 8, &tag, sizeof tag);
  std::memcpy(record + 12, &length, sizeof length);
  std::memcpy(record + kHeadBytes, path.data(), path.size());
  const auto reference = static_cast<uint32_t>(
      ((blocks_.size() - 1) << kBlockBits | block.used) + 1);
  block.used += bytes;
  return reference;
}

void PathCounts::Count(std::string_view path, uint64_t hash, uint64_t times,
                       Hint hint) {
  if (hint.record != nullptr && SameKey(PathOf(hint.record), path))
    return AddTimes(hint.record, times);
  const uint32_t tag = TagOf(hash);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = HomeOf(tag);; at = (at + 1) & mask) {
    Slot& slot = slots_[at];
    if (slot.record == 0) {
      slot = {tag, Add(path, tag, times)};
      // At most three quarters full, so probes stay short.
      if (++size_ * 4 > slots_.size() * 3) Grow();
      return;
    }
    if (slot.tag != tag) continue;
    char* record = RecordAt(slot.record);
    if (SameKey(PathOf(record), path)) return AddTimes(record, times);
  }
}

void PathCounts::Grow() {
  if (bits_ == 32) throw std::length_error("too many distinct paths");
  std::vector<Slot> old(slots_.size() * 2);
  std::swap(old, slots_);
  ++bits_;
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.record == 0) continue;
    std::size_t at = HomeOf(slot.tag);
    while (slots_[at].record != 0) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

}  // namespace connrep
