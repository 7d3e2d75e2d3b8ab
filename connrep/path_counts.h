#pragma once
// How often each path was opened. An open-addressing table over one arena
// of key bytes: a lookup touches one slot and one key, where a node-based
// map chases three pointers, and the file log has a lookup per line.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace connrep {

class PathCounts {
 public:
  PathCounts();

  void Count(std::string_view path);

  std::size_t size() const { return size_; }

  struct Entry {
    std::string_view path;
    uint64_t count;
  };
  // In no particular order.
  std::vector<Entry> Entries() const;

 private:
  struct Slot {
    uint64_t hash = 0;
    std::size_t keyOffset = 0;
    uint32_t keyLength = 0;  // paths are shorter than a line
    uint64_t count = 0;      // 0: the slot is free
  };

  std::string_view KeyOf(const Slot& slot) const {
    return std::string_view(keys_).substr(slot.keyOffset, slot.keyLength);
  }
  void Grow();

  std::vector<Slot> slots_;
  std::string keys_;
  std::size_t size_ = 0;
};

}  // namespace connrep
