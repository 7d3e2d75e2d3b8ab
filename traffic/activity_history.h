#pragma once
// The last two hours of server activity, minute by minute: a ring of 120
// slots of sessions, logged files and the chosen interface's kilobytes in
// and out, with the slot the present minute counts into.
#include <array>
#include <cstdint>
#include <string>

#include "platform/clock.h"

namespace ov {

struct ActivityHistory {
  static constexpr int kSlots = 120;

  std::array<uint16_t, kSlots> connections{};
  std::array<uint16_t, kSlots> files{};
  std::array<uint32_t, kSlots> inbound{};
  std::array<uint32_t, kSlots> outbound{};
  // Of slots 1 to 119, as of the last redraw.
  uint32_t inboundMin = 0;
  uint32_t inboundMax = 0;
  uint32_t outboundMin = 0;
  uint32_t outboundMax = 0;
  int16_t position = 0;
  // The interface totals at the previous minute tick.
  uint64_t previousInbound = 0;
  uint64_t previousOutbound = 0;

  // A session weighs 2 when active in the last minute, else 1.
  void addSession(uint32_t idleSeconds);
  // Kept to 16 bits, as the slot is.
  void addFiles(uint32_t count);
  // The kilobytes since the previous tick go into the current slot.
  void addTraffic(uint64_t inboundTotal, uint64_t outboundTotal);
  void advance();
  // The slot after the current one starts empty.
  void clearNextSlot();
  void updateRange();
};

inline constexpr int kInboundBandTop = 45;
inline constexpr int kOutboundBandTop = 70;

// The rows the bands draw a value at.
int ConnectionsRow(uint32_t value);
int FilesRow(uint32_t value);
// 64-bit, so that a maximum of 0xFFFFFFFF neither overflows nor divides by
// zero.
int TrafficRow(int bandTop, uint32_t value, uint32_t maximum);

// The status-bar text for the pointer at (x, y) of the graph, at `now`.
// Empty for the columns past the last slot, which have no minute.
std::string ActivityReadout(const ActivityHistory& history, int x, int y,
                            const LocalDateTime& now);

}  // namespace ov
