#include "platform/win32/message_timers.h"

namespace ov::win32 {

class MessageTimers::WindowTimer : public Timer {
 public:
  WindowTimer(MessageTimers& owner, UINT_PTR id, uint32_t interval)
      : owner_(owner), id_(id), interval_(interval) {
    owner_.timers_[id_] = this;
  }
  ~WindowTimer() override {
    KillTimer(owner_.hwnd(), id_);
    owner_.timers_.erase(id_);
  }
  void setInterval(uint32_t ms) override {
    interval_ = ms;
    apply();
  }
  uint32_t interval() const override { return interval_; }
  void setEnabled(bool enabled) override {
    enabled_ = enabled;
    apply();
  }
  bool enabled() const override { return enabled_; }
  void tick() {
    if (onTimer) onTimer();
  }

 private:
  // Setting the timer again starts its interval anew; a timer of interval
  // 0 does not run.
  void apply() {
    if (enabled_ && interval_ > 0)
      SetTimer(owner_.hwnd(), id_, interval_, nullptr);
    else
      KillTimer(owner_.hwnd(), id_);
  }

  MessageTimers& owner_;
  UINT_PTR id_;
  uint32_t interval_;
  bool enabled_ = false;
};

MessageTimers::MessageTimers() {
  createOwn({.className = kPanelClass, .parent = HWND_MESSAGE});
}

std::unique_ptr<Timer> MessageTimers::createTimer(uint32_t intervalMs,
                                                  bool enabled) {
  auto timer = std::make_unique<WindowTimer>(*this, nextId_++, intervalMs);
  timer->setEnabled(enabled);
  return timer;
}

bool MessageTimers::onMessage(UINT msg, WPARAM wp, LPARAM, LRESULT&) {
  if (msg != WM_TIMER) return false;
  auto it = timers_.find(wp);
  if (it != timers_.end()) it->second->tick();
  return true;
}

}  // namespace ov::win32
