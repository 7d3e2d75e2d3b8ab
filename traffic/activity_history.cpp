#include "traffic/activity_history.h"

#include <algorithm>
#include <cstdio>

namespace ov {

namespace {

constexpr uint32_t kActiveIdleSeconds = 60;
constexpr int kConnectionsTop = 10;  // also the bottom of the sessions band
constexpr int kFilesTop = 10;
constexpr uint32_t kFilesCap = 25;
constexpr int kFilesBottom = kInboundBandTop;
constexpr int kTrafficBandHeight = 25;
constexpr int kSecondsPerDay = 24 * 60 * 60;

}  // namespace

void ActivityHistory::addSession(uint32_t idleSeconds) {
  connections[position] += idleSeconds < kActiveIdleSeconds ? 2 : 1;
}

void ActivityHistory::addFiles(uint32_t count) {
  files[position] += static_cast<uint16_t>(count);
}

void ActivityHistory::addTraffic(uint64_t inboundTotal,
                                 uint64_t outboundTotal) {
  inbound[position] = static_cast<uint32_t>(inboundTotal - previousInbound);
  outbound[position] = static_cast<uint32_t>(outboundTotal - previousOutbound);
  previousInbound = inboundTotal;
  previousOutbound = outboundTotal;
}

void ActivityHistory::advance() {
  position = static_cast<int16_t>((position + 1) % kSlots);
}

void ActivityHistory::clearNextSlot() {
  const int next = (position + 1) % kSlots;
  connections[next] = 0;
  files[next] = 0;
  inbound[next] = 0;
  outbound[next] = 0;
}

void ActivityHistory::updateRange() {
  // Slot 0 holds the counters' whole count at the first tick: left out.
  const auto [inLow, inHigh] =
      std::minmax_element(inbound.begin() + 1, inbound.end());
  const auto [outLow, outHigh] =
      std::minmax_element(outbound.begin() + 1, outbound.end());
  inboundMin = *inLow;
  inboundMax = *inHigh;
  outboundMin = *outLow;
  outboundMax = *outHigh;
}

int ConnectionsRow(uint32_t value) {
  return static_cast<int>(std::min<uint32_t>(value, kConnectionsTop));
}

int FilesRow(uint32_t value) {
  return kFilesTop + (value < kFilesCap ? static_cast<int>(value)
                                        : kFilesBottom - kFilesTop);
}

int TrafficRow(int bandTop, uint32_t value, uint32_t maximum) {
  return bandTop + static_cast<int>(uint64_t{value} * kTrafficBandHeight /
                                    (uint64_t{maximum} + 1));
}

std::string ActivityReadout(const ActivityHistory& history, int x, int y,
                            const LocalDateTime& now) {
  if (x < 0 || x >= ActivityHistory::kSlots) return "";
  const int minutesAgo = history.position - x +
                         (history.position < x ? ActivityHistory::kSlots : 0);
  int seconds =
      now.hour * 3600 + now.minute * 60 + now.second - minutesAgo * 60;
  if (seconds < 0) seconds += kSecondsPerDay;
  char time[16];
  std::snprintf(time, sizeof time, "%d:%02d:%02d", seconds / 3600,
                seconds / 60 % 60, seconds % 60);
  char value[128] = "";
  if (y < kConnectionsTop) {
    std::snprintf(value, sizeof value, "Соединений: %u.",
                  unsigned{history.connections[x]});
  } else if (y > kFilesTop && y < kFilesBottom) {
    std::snprintf(value, sizeof value, "Файлов: %u.",
                  unsigned{history.files[x]});
  } else if (y > kInboundBandTop && y < kOutboundBandTop) {
    std::snprintf(value, sizeof value,
                  "Входящий: Min:%u, Max:%u, Выбран:%u (кб/мин)",
                  unsigned{history.inboundMin}, unsigned{history.inboundMax},
                  unsigned{history.inbound[x]});
  } else if (y > kOutboundBandTop) {
    std::snprintf(value, sizeof value,
                  "Исходящий: Min:%u, Max:%u, Выбран:%u (кб/мин)",
                  unsigned{history.outboundMin}, unsigned{history.outboundMax},
                  unsigned{history.outbound[x]});
  }
  char suffix[64];
  std::snprintf(suffix, sizeof suffix, " -%dмин.(%5s)", minutesAgo, time);
  return std::string(value) + suffix;
}

}  // namespace ov
