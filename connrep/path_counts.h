#pragma once
// How often each path was opened. An open-addressing table of 8-byte slots
// over records kept in blocks: a lookup, one per line of the log, reads a
// slot and, where the slot's tag matches, one record. A slot's home is the
// top bits of its tag, so the table grows without reading a record; blocks
// are added, never moved, so the records grow without a copy and are
// walked in the order they were written.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace connrep {

class PathCounts {
 public:
  PathCounts();

  // Where a path about to be counted is likely kept: the first record
  // under its tag. Records never move, so a hint holds while paths are
  // added and the table grows.
  struct Hint {
    char* record;  // nullptr: no record under the tag
  };

  // hash: HashKey(path); the table keeps and uses only its high half. A
  // hint of the same hash spares the search when it is right.
  void Count(std::string_view path, uint64_t hash, uint64_t times = 1,
             Hint hint = {nullptr});
  // Brings into the cache the slot of a path about to be counted.
  void Prefetch(uint64_t hash) const;
  // Once the slot is there: the path's hint, its record sent for.
  Hint HintFor(uint64_t hash);

  std::size_t size() const { return size_; }
  // Whether the table is still small enough to stay in the cache, where
  // fetching ahead or sharing it out gains nothing.
  bool FitsCache() const { return size_ < kPathsInCache; }

  struct Entry {
    std::string_view path;
    uint64_t count;
    uint64_t hash;  // as far as the table keeps it
  };
  // Calls visit(entry) for each path, in the order they were first counted.
  template <class Visit>
  void ForEach(Visit visit) const {
    for (const Block& block : blocks_)
      for (std::size_t at = 0; at < block.used;) {
        const char* record = block.bytes.get() + at;
        const std::string_view path = PathOf(record);
        visit(Entry{path, CountOf(record), uint64_t{TagOf(record)} << 32});
        at += kHeadBytes + path.size();
      }
  }

 private:
  struct Slot {
    uint32_t tag;     // the hash's high half
    uint32_t record;  // the record's reference; 0: free
  };
  // A record: the count (8 bytes), the tag (4), the path's length (2), the
  // path's bytes.
  static constexpr std::size_t kHeadBytes = 14;
  static constexpr std::size_t kPathsInCache = 1 << 14;
  static constexpr unsigned kBlockBits = 20;
  static constexpr std::size_t kBlockBytes = std::size_t{1} << kBlockBits;
  struct Block {
    std::unique_ptr<char[]> bytes;
    std::size_t used = 0;
  };

  // A reference is the block's number and the offset in it, plus one.
  const char* RecordAt(uint32_t reference) const {
    return blocks_[(reference - 1) >> kBlockBits].bytes.get() +
           ((reference - 1) & (kBlockBytes - 1));
  }
  char* RecordAt(uint32_t reference) {
    return const_cast<char*>(std::as_const(*this).RecordAt(reference));
  }
  static uint64_t CountOf(const char* record) {
    uint64_t count;
    std::memcpy(&count, record, sizeof count);
    return count;
  }
  static void AddTimes(char* record, uint64_t times) {
    const uint64_t count = CountOf(record) + times;
    std::memcpy(record, &count, sizeof count);
  }
  static uint32_t TagOf(const char* record) {
    uint32_t tag;
    std::memcpy(&tag, record + 8, sizeof tag);
    return tag;
  }
  static std::string_view PathOf(const char* record) {
    uint16_t length;
    std::memcpy(&length, record + 12, sizeof length);
    return {record + kHeadBytes, length};
  }
  static uint32_t TagOf(uint64_t hash) {
    return static_cast<uint32_t>(hash >> 32);
  }
  std::size_t HomeOf(uint32_t tag) const { return tag >> (32 - bits_); }
  uint32_t Add(std::string_view path, uint32_t tag, uint64_t times);
  void Grow();

  unsigned bits_;  // the table has 2^bits_ slots
  std::vector<Slot> slots_;
  std::size_t size_ = 0;
  std::vector<Block> blocks_;
};

}  // namespace connrep
