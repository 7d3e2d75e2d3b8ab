#include "platform/win32/sim_pump.h"

#include <sstream>

namespace ov::win32 {

namespace {

// Often enough that an event lands within a tenth of a second of its time.
constexpr uint32_t kPumpIntervalMs = 100;

}  // namespace

SimPump::SimPump(SimPumpArgs args)
    : args_(std::move(args)),
      events_(args_.windows,
              {[this] {
                 ended_ = true;
                 args_.endings.exit();
               },
               [this] {
                 ended_ = true;
                 args_.endings.quit();
               }},
              args_.notices),
      timer_(args_.timers.createTimer(kPumpIntervalMs, true)) {
  timer_->onTimer = [this] { applyDue(); };
}

void SimPump::applyDue() {
  // Nobody reads the program's standard error; an unwritable dump is simply
  // missing.
  std::ostringstream ignored;
  if (args_.waiting) {
    events_.handle(args_.waiting->verb, args_.waiting->args, ignored);
    args_.waiting.reset();
  }
  while (!ended_) {
    const auto event = args_.player.advance(args_.clock.tickMs());
    if (!event) break;
    events_.handle(event->verb, event->args, ignored);
  }
  if (ended_ || (args_.player.linesDone() && !args_.player.nextDueMs()))
    timer_->setEnabled(false);
}

}  // namespace ov::win32
