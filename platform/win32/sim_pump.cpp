#include "platform/win32/sim_pump.h"

#include <fstream>

#include "platform/text/text_file.h"

namespace ov::win32 {

namespace {

// Often enough that an event lands within a tenth of a second of its time.
constexpr uint32_t kPumpIntervalMs = 100;

}  // namespace

SimPump::SimPump(SimPumpArgs args)
    : args_(std::move(args)),
      driver_(args_.windows),
      timer_(args_.timers.createTimer(kPumpIntervalMs, true)) {
  timer_->onTimer = [this] { applyDue(); };
}

void SimPump::applyDue() {
  while (!ended_) {
    const auto event = args_.player.advance(args_.clock.tickMs());
    if (!event) break;
    handle(*event);
  }
  if (ended_ || (args_.player.linesDone() && !args_.player.nextDueMs()))
    timer_->setEnabled(false);
}

void SimPump::handle(const sim::ScenarioEvent& event) {
  if (event.verb == "ui") {
    driver_.apply(event.args);
  } else if (event.verb == "dump") {
    std::ofstream out(pathFromUtf8(event.args.at(0)),
                      std::ios::binary | std::ios::trunc);
    out << args_.windows.registry().dump() << '\n';
  } else if (event.verb == "exit" || event.verb == "quit") {
    ended_ = true;
    event.verb == "exit" ? args_.exit() : args_.quit();
  }
}

}  // namespace ov::win32
