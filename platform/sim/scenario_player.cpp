#include "platform/sim/scenario_player.h"

#include <algorithm>

namespace ov::sim {

std::optional<uint64_t> ScenarioPlayer::lastLineMs() const {
  if (linesDone()) return std::nullopt;
  return scenario_.events.back().timeMs;
}

std::optional<uint64_t> ScenarioPlayer::nextDueMs() const {
  std::optional<uint64_t> due = world_.nextReconnectMs();
  if (!linesDone()) {
    const uint64_t line = scenario_.events[next_].timeMs;
    due = due ? std::min(*due, line) : line;
  }
  return due;
}

std::optional<ScenarioEvent> ScenarioPlayer::advance(uint64_t nowMs) {
  for (;;) {
    const auto reconnect = world_.nextReconnectMs();
    const bool lineDue =
        !linesDone() && scenario_.events[next_].timeMs <= nowMs;
    if (reconnect && *reconnect <= nowMs &&
        (!lineDue || *reconnect <= scenario_.events[next_].timeMs)) {
      world_.applyNextReconnect();
      continue;
    }
    if (!lineDue) return std::nullopt;
    const ScenarioEvent& event = scenario_.events[next_++];
    if (!event.isWorldVerb()) return event;
    world_.apply(event);
  }
}

}  // namespace ov::sim
