#pragma once
// The minute tick's pass over the watched server's sessions: each one is
// handed to the steps that count or check it.
#include <functional>

#include "monitor/watched_server.h"
#include "platform/netapi.h"

namespace ov::monitor {

using MinuteSessionStep = std::function<void(const SESSION_INFO_502&)>;

// Level 502 whatever server is watched; a failing call ends the pass.
void minuteSessionPass(NetApi& net, const WatchedServer& server,
                       const MinuteSessionStep& step);

}  // namespace ov::monitor
