#pragma once
// A clock that moves only when told to: timers fire in order of due time,
// so an hour of the program's life runs in well under a second.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/clock.h"

namespace ov::headless {

class VirtualClock : public Clock, public TimerFactory {
 public:
  explicit VirtualClock(const LocalDateTime& start);
  ~VirtualClock() override;

  LocalDateTime now() override;
  uint64_t tickMs() override { return nowMs_; }
  std::unique_ptr<Timer> createTimer(uint32_t intervalMs,
                                     bool enabled) override;

  // The due time of the earliest enabled timer.
  std::optional<uint64_t> nextTimerDue() const;
  // Moves the time forward (never back) without firing anything.
  void advanceTo(uint64_t ms);
  // Moves to the earliest due timer and fires it; false when none is due
  // at or before limitMs.
  bool fireNextTimer(uint64_t limitMs);

 private:
  class VirtualTimer;
  friend class VirtualTimer;

  LocalDateTime start_;
  uint64_t nowMs_ = 0;
  uint64_t nextSequence_ = 0;
  std::vector<VirtualTimer*> timers_;
};

// Adds milliseconds to a local date and time, across days, months, years.
LocalDateTime addMilliseconds(const LocalDateTime& start, uint64_t ms);

}  // namespace ov::headless
