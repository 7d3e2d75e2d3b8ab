#pragma once
// How often each path was opened. An open-addressing table of small
// slots: a lookup, one per line of the log, touches a slot and its key,
// where a node-based map chases three pointers. The keys follow each other
// in one arena.
#include <cstdint>
#include <string>
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
  // 32 bytes, two to a cache line, no key inside: the table of a log's
  // files stays in a core's own cache.
  struct Slot {
    uint64_t hash;
    uint64_t count;  // 0: the slot is free
    std::size_t keyOffset;
    std::size_t keyLength;
  };

  bool Holds(const Slot& slot, std::string_view path, uint64_t hash) const;
  std::string_view KeyOf(const Slot& slot) const {
    return std::string_view(keys_).substr(slot.keyOffset, slot.keyLength);
  }
  void Grow();

  std::vector<Slot> slots_;
  std::string keys_;
  std::size_t size_ = 0;
};

}  // namespace connrep
