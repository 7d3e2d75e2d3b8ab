#pragma once
// A clock that shows whatever time the test sets.
#include "platform/clock.h"

namespace ov::monitor::testing {

class FakeClock : public Clock {
 public:
  LocalDateTime current{
      .year = 2006, .month = 3, .day = 5, .hour = 9, .minute = 5, .second = 3};
  LocalDateTime now() override { return current; }
  uint64_t tickMs() override { return 0; }
};

}  // namespace ov::monitor::testing
