#pragma once
// Equality and hash of short byte runs, eight bytes a step: the keys and
// line heads met once per line of the log are a few dozen bytes, where a
// library call costs more than the work.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace connrep {

inline uint64_t WordAt(const char* at) {
  uint64_t value;
  std::memcpy(&value, at, 8);
  return value;
}

inline bool SameBytes(const char* a, const char* b, std::size_t size) {
  if (size >= 8) {
    for (std::size_t at = 0; at + 8 < size; at += 8)
      if (WordAt(a + at) != WordAt(b + at)) return false;
    // The last eight bytes, overlapping the words before.
    return WordAt(a + size - 8) == WordAt(b + size - 8);
  }
  if (size >= 4) {
    auto half = [](const char* at) {
      uint32_t value;
      std::memcpy(&value, at, 4);
      return value;
    };
    return half(a) == half(b) && half(a + size - 4) == half(b + size - 4);
  }
  for (std::size_t at = 0; at < size; ++at)
    if (a[at] != b[at]) return false;
  return true;
}

inline bool SameKey(std::string_view a, std::string_view b) {
  return a.size() == b.size() && SameBytes(a.data(), b.data(), a.size());
}

// The tables need spread, not strength.
uint64_t HashKey(std::string_view key);

}  // namespace connrep
