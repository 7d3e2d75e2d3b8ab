#pragma once
// The two forms of a hot key: the registration's modifier bits (1 Alt,
// 2 Ctrl, 4 Shift) with a virtual-key code, and the shortcut word of a
// hot-key field (low byte the virtual-key code, bit 15 Alt, bit 14 Ctrl,
// bit 13 Shift).
#include <cstdint>

namespace ov {

inline constexpr uint16_t kModAlt = 1;
inline constexpr uint16_t kModCtrl = 2;
inline constexpr uint16_t kModShift = 4;
inline constexpr uint16_t kHotKeyWordAlt = 0x8000;
inline constexpr uint16_t kHotKeyWordCtrl = 0x4000;
inline constexpr uint16_t kHotKeyWordShift = 0x2000;

// The program's fields show no Shift, so it is not carried over; the key
// is OR-ed in as it is.
constexpr uint16_t HotKeyWord(uint16_t modifiers, uint16_t key) {
  uint16_t word = 0;
  if (modifiers & kModAlt) word |= kHotKeyWordAlt;
  if (modifiers & kModCtrl) word |= kHotKeyWordCtrl;
  return word | key;
}

constexpr uint16_t HotKeyModifiers(uint16_t word) {
  return ((word & kHotKeyWordAlt) ? kModAlt : 0) |
         ((word & kHotKeyWordCtrl) ? kModCtrl : 0);
}

constexpr uint16_t HotKeyVirtualKey(uint16_t word) { return word & 0xFF; }

}  // namespace ov
