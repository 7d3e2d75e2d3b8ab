#pragma once
// Clock port: local date and time, a monotonic tick, and message-loop timers.
#include <cstdint>
#include <functional>
#include <memory>

namespace ov {

struct LocalDateTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  int dayOfWeek = 0;  // 0 Sunday .. 6 Saturday
};

// The date and time taken as UTC, in seconds since 1 January 1970.
int64_t UnixSecondsOf(const LocalDateTime& t);

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime now() = 0;
  // Milliseconds since the program started; never decreases.
  virtual uint64_t tickMs() = 0;
  // Seconds since 1 January 1970, UTC. A clock without time zones (the
  // simulated one) takes its local time as UTC.
  virtual int64_t unixTime() { return UnixSecondsOf(now()); }
};

// A message-loop timer: ticks are delivered on the GUI thread, one at a time.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void setInterval(uint32_t ms) = 0;
  virtual uint32_t interval() const = 0;
  virtual void setEnabled(bool enabled) = 0;
  virtual bool enabled() const = 0;
  std::function<void()> onTimer;
};

class TimerFactory {
 public:
  virtual ~TimerFactory() = default;
  virtual std::unique_ptr<Timer> createTimer(uint32_t intervalMs,
                                             bool enabled) = 0;
};

}  // namespace ov
