#include "traffic/hover_watch.h"

namespace ov {

namespace {

constexpr uint32_t kWatchMs = 200;

}  // namespace

HoverWatch::HoverWatch(TimerFactory& timers, const ui::WindowSystem& windows,
                       const ui::Image& image, ui::StatusBar& bar)
    : windows_(windows),
      image_(image),
      bar_(bar),
      timer_(timers.createTimer(kWatchMs, false)) {
  timer_->onTimer = [this] { tick(); };
}

void HoverWatch::start() {
  if (!timer_->enabled()) timer_->setEnabled(true);
}

void HoverWatch::tick() {
  const ui::Point pointer = windows_.cursorPos();
  const ui::Point origin = image_.clientToScreen({0, 0});
  const ui::Rect size = image_.bounds();
  // Left and top inside, right and bottom outside.
  if (pointer.x >= origin.x && pointer.x < origin.x + size.width &&
      pointer.y >= origin.y && pointer.y < origin.y + size.height)
    return;
  bar_.setPanelText(0, "");
  timer_->setEnabled(false);
}

}  // namespace ov
