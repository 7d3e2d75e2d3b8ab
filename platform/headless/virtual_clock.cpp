#include "platform/headless/virtual_clock.h"

#include <algorithm>
#include <chrono>

namespace ov::headless {

class VirtualClock::VirtualTimer : public Timer {
 public:
  VirtualTimer(VirtualClock& clock, uint32_t interval, bool enabled)
      : clock_(clock), interval_(interval), sequence_(clock.nextSequence_++) {
    clock_.timers_.push_back(this);
    setEnabled(enabled);
  }
  ~VirtualTimer() override {
    auto& timers = clock_.timers_;
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
  }
  void setInterval(uint32_t ms) override {
    interval_ = ms;
    restart();
  }
  uint32_t interval() const override { return interval_; }
  void setEnabled(bool enabled) override {
    enabled_ = enabled;
    restart();
  }
  bool enabled() const override { return enabled_; }

  bool armed() const { return enabled_ && interval_ > 0; }
  uint64_t due() const { return due_; }
  uint64_t sequence() const { return sequence_; }
  void fire() {
    restart();
    if (onTimer) onTimer();
  }

 private:
  // A message-loop timer counts its interval from when it was (re)set.
  void restart() { due_ = clock_.nowMs_ + interval_; }

  VirtualClock& clock_;
  uint32_t interval_;
  bool enabled_ = false;
  uint64_t due_ = 0;
  uint64_t sequence_;
};

VirtualClock::VirtualClock(const LocalDateTime& start) : start_(start) {}

VirtualClock::~VirtualClock() = default;

LocalDateTime VirtualClock::now() { return addMilliseconds(start_, nowMs_); }

std::unique_ptr<Timer> VirtualClock::createTimer(uint32_t intervalMs,
                                                 bool enabled) {
  return std::make_unique<VirtualTimer>(*this, intervalMs, enabled);
}

std::optional<uint64_t> VirtualClock::nextTimerDue() const {
  std::optional<uint64_t> next;
  for (const VirtualTimer* timer : timers_)
    if (timer->armed() && (!next || timer->due() < *next)) next = timer->due();
  return next;
}

void VirtualClock::advanceTo(uint64_t ms) { nowMs_ = std::max(nowMs_, ms); }

bool VirtualClock::fireNextTimer(uint64_t limitMs) {
  VirtualTimer* next = nullptr;
  for (VirtualTimer* timer : timers_) {
    if (!timer->armed() || timer->due() > limitMs) continue;
    if (!next || timer->due() < next->due() ||
        (timer->due() == next->due() && timer->sequence() < next->sequence()))
      next = timer;
  }
  if (!next) return false;
  advanceTo(next->due());
  next->fire();
  return true;
}

LocalDateTime addMilliseconds(const LocalDateTime& start, uint64_t ms) {
  using namespace std::chrono;
  const sys_days startDay = year_month_day{
      year{start.year}, month{static_cast<unsigned>(start.month)},
      day{static_cast<unsigned>(start.day)}};
  const milliseconds total = hours{start.hour} + minutes{start.minute} +
                             seconds{start.second} +
                             milliseconds{start.millisecond} + milliseconds{ms};
  const sys_time<milliseconds> moment = startDay + total;
  const sys_days today = floor<days>(moment);
  const year_month_day date{today};
  const hh_mm_ss<milliseconds> time{moment - today};
  LocalDateTime t;
  t.year = static_cast<int>(date.year());
  t.month = static_cast<int>(static_cast<unsigned>(date.month()));
  t.day = static_cast<int>(static_cast<unsigned>(date.day()));
  t.hour = static_cast<int>(time.hours().count());
  t.minute = static_cast<int>(time.minutes().count());
  t.second = static_cast<int>(time.seconds().count());
  t.millisecond = static_cast<int>(time.subseconds().count());
  t.dayOfWeek = static_cast<int>(weekday{today}.c_encoding());
  return t;
}

}  // namespace ov::headless
