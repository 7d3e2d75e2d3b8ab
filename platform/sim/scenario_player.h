#pragma once
// Plays a scenario into the world in time order. The driver (the headless
// runner's virtual clock, or a real-time timer in the Windows program) asks
// when something is next due and calls advance() at that moment; world events
// and reconnects are applied here, the user's events are handed back.
#include <cstdint>
#include <optional>

#include "platform/sim/scenario.h"
#include "platform/sim/world.h"

namespace ov::sim {

class ScenarioPlayer {
 public:
  ScenarioPlayer(World& world, Scenario scenario)
      : world_(world), scenario_(std::move(scenario)) {}

  // The earliest moment something is due: the next scenario line or a
  // pending reconnect. Empty when nothing is left.
  std::optional<uint64_t> nextDueMs() const;

  // Applies, in time order, the world events and reconnects due by nowMs
  // (at one moment a reconnect comes before the lines of that moment, and
  // lines keep their file order) up to the first due user event (ui, dump,
  // exit, quit), which it returns unapplied. Empty when nothing more is due.
  // Call it again after handling the returned event; a handler that runs a
  // modal loop may call it from inside.
  std::optional<ScenarioEvent> advance(uint64_t nowMs);

  // The moment of the scenario's last line; empty once every line has
  // been played.
  std::optional<uint64_t> lastLineMs() const;

  // True once every line of the scenario has been played.
  bool linesDone() const { return next_ >= scenario_.events.size(); }

 private:
  World& world_;
  Scenario scenario_;
  size_t next_ = 0;
};

}  // namespace ov::sim
