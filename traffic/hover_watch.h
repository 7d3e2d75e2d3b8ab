#pragma once
// Clears the graph's readout once the pointer has left the graph: a timer
// of 200 ms that a move over the graph starts and that stops itself.
#include <memory>

#include "platform/clock.h"
#include "platform/ui.h"

namespace ov {

class HoverWatch {
 public:
  HoverWatch(TimerFactory& timers, const ui::WindowSystem& windows,
             const ui::Image& image, ui::StatusBar& bar);
  // After a readout: watch the pointer, unless already watching.
  void start();
  bool watching() const { return timer_->enabled(); }

 private:
  void tick();

  const ui::WindowSystem& windows_;
  const ui::Image& image_;
  ui::StatusBar& bar_;
  std::unique_ptr<Timer> timer_;
};

}  // namespace ov
