#pragma once
// Plays a scenario in real time: a message-loop timer applies the world
// events that are due and carries out the user's (ui, dump, exit, quit).
#include <functional>
#include <memory>

#include "platform/clock.h"
#include "platform/headless/ui_driver.h"
#include "platform/sim/scenario_player.h"

namespace ov::win32 {

struct SimPumpArgs {
  sim::ScenarioPlayer& player;
  Clock& clock;
  TimerFactory& timers;
  headless::WindowSystem& windows;
  std::function<void()> exit;  // as the main menu's exit
  std::function<void()> quit;  // as the tray menu's exit: nothing saved
};

class SimPump {
 public:
  explicit SimPump(SimPumpArgs args);

 private:
  void applyDue();
  void handle(const sim::ScenarioEvent& event);

  SimPumpArgs args_;
  headless::UiDriver driver_;
  std::unique_ptr<Timer> timer_;
  bool ended_ = false;
};

}  // namespace ov::win32
