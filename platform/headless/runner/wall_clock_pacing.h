#pragma once
// Holds the runner's clock to the wall clock against a real server: a timer
// due at tick T fires once T milliseconds have passed since the run began.
// SIGINT and SIGTERM, while it lives, ask the run to stop; a wait ends at
// once then.
#include <chrono>
#include <csignal>
#include <cstdint>

namespace ov::headless {

class WallClockPacing {
 public:
  WallClockPacing();
  ~WallClockPacing();
  WallClockPacing(const WallClockPacing&) = delete;
  WallClockPacing& operator=(const WallClockPacing&) = delete;

  // Waits until the tick is due; false when a stop was asked for.
  bool waitFor(uint64_t tickMs) const;
  bool stopAsked() const;

 private:
  std::chrono::steady_clock::time_point start_;
  struct sigaction oldInt_ {};
  struct sigaction oldTerm_ {};
};

}  // namespace ov::headless
