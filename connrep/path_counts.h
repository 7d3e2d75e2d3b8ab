#pragma once
// How often each path was opened. An open-addressing table of 8-byte slots
// over an arena of records, each a count with its key: a lookup, one per
// line of the log, reads a slot that mostly sits in the cache and one
// record, where a node-based map chases three pointers.
#include <cstdint>
#include <string_view>
#include <vector>

namespace connrep {

class PathCounts {
 public:
  PathCounts();

  // Brings the slot of a path about to be counted into the cache.
  void Prefetch(uint64_t hash) const;
  // hash: HashKey(path).
  void Count(std::string_view path, uint64_t hash, uint64_t times = 1);

  struct Entry {
    std::string_view path;
    uint64_t count;
  };
  // In no particular order.
  std::vector<Entry> Entries() const;

 private:
  struct Slot {
    uint32_t tag;     // the hash's high half
    uint32_t record;  // the record's first word, plus one; 0: free
  };
  // A record is words of the arena: the count, the key's length, then the
  // key's bytes.
  static constexpr std::size_t kHeadWords = 2;

  std::string_view KeyAt(std::size_t first) const {
    return {reinterpret_cast<const char*>(arena_.data() + first + kHeadWords),
            arena_[first + 1]};
  }
  uint32_t Add(std::string_view path, uint64_t times);
  void Grow();

  std::vector<Slot> slots_;
  std::vector<uint64_t> arena_;
  std::size_t size_ = 0;
};

}  // namespace connrep
