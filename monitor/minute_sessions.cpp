#include "monitor/minute_sessions.h"

#include "monitor/net_enum.h"

namespace ov::monitor {

namespace {

constexpr uint32_t kMinuteLevel = 502;
constexpr uint32_t kMinutePrefLength = 2048;

}  // namespace

void minuteSessionPass(NetApi& net, const WatchedServer& server,
                       const MinuteSessionStep& step) {
  enumerateAll(
      [&](uint32_t& resumeHandle) {
        return net.NetSessionEnum(server.name(), kMinuteLevel,
                                  kMinutePrefLength, resumeHandle);
      },
      [&](const NetApi::SessionBatch& batch) {
        for (const SESSION_INFO_502& session : batch.info502) step(session);
      });
}

}  // namespace ov::monitor
