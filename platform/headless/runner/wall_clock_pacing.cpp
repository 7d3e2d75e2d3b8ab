#include "platform/headless/runner/wall_clock_pacing.h"

#include <algorithm>
#include <thread>

namespace ov::headless {

namespace {

volatile std::sig_atomic_t stopSignal = 0;

void askStop(int signal) { stopSignal = signal; }

// A stop is seen within this.
constexpr std::chrono::milliseconds kLongestNap{100};

}  // namespace

WallClockPacing::WallClockPacing() : start_(std::chrono::steady_clock::now()) {
  stopSignal = 0;
  struct sigaction action {};
  action.sa_handler = askStop;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &oldInt_);
  sigaction(SIGTERM, &action, &oldTerm_);
}

WallClockPacing::~WallClockPacing() {
  sigaction(SIGINT, &oldInt_, nullptr);
  sigaction(SIGTERM, &oldTerm_, nullptr);
}

bool WallClockPacing::stopAsked() const { return stopSignal != 0; }

bool WallClockPacing::waitFor(uint64_t tickMs) const {
  const auto due = start_ + std::chrono::milliseconds(tickMs);
  for (auto now = std::chrono::steady_clock::now(); now < due && !stopAsked();
       now = std::chrono::steady_clock::now())
    std::this_thread::sleep_for(
        std::min<std::chrono::steady_clock::duration>(due - now, kLongestNap));
  return !stopAsked();
}

}  // namespace ov::headless
