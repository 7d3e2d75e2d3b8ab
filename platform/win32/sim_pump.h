#pragma once
// Plays a scenario in real time: a message-loop timer applies the world
// events that are due and carries out the user's (ui, dump, exit, quit).
#include <functional>
#include <memory>
#include <optional>

#include "platform/clock.h"
#include "platform/headless/user_events.h"
#include "platform/sim/scenario_player.h"

namespace ov::win32 {

struct SimPumpArgs {
  sim::ScenarioPlayer& player;
  Clock& clock;
  TimerFactory& timers;
  headless::WindowSystem& windows;
  headless::RunEndings endings;
  // A user event of time 0 met while the world was set up before the form.
  std::optional<sim::ScenarioEvent> waiting;
  // The tray icon and hot keys the user verbs act through.
  headless::SystemNotices notices;
};

class SimPump {
 public:
  explicit SimPump(SimPumpArgs args);

 private:
  void applyDue();

  SimPumpArgs args_;
  headless::UserEvents events_;
  std::unique_ptr<Timer> timer_;
  bool ended_ = false;
};

}  // namespace ov::win32
