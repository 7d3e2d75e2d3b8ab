#include "connrep/short_keys.h"

namespace connrep {

namespace {

constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15;

uint64_t Mix(uint64_t hash, uint64_t word) {
  hash = (hash ^ word) * kMultiplier;
  return hash ^ (hash >> 29);
}

}  // namespace

uint64_t HashKey(std::string_view key) {
  uint64_t hash = key.size() * kMultiplier;
  std::size_t at = 0;
  for (; at + 8 <= key.size(); at += 8)
    hash = Mix(hash, WordAt(key.data() + at));
  uint64_t tail = 0;
  if (key.size() >= 8) {
    // The last eight bytes, overlapping the words before.
    tail = WordAt(key.data() + key.size() - 8);
  } else {
    for (std::size_t shift = 0; at < key.size(); ++at, shift += 8)
      tail |= uint64_t{static_cast<unsigned char>(key[at])} << shift;
  }
  return Mix(Mix(hash, tail), 0);
}

}  // namespace connrep
