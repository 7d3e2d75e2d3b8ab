#include "platform/headless/virtual_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ov::headless {
namespace {

LocalDateTime at(int y, int mo, int d, int h, int mi, int s) {
  LocalDateTime t;
  t.year = y;
  t.month = mo;
  t.day = d;
  t.hour = h;
  t.minute = mi;
  t.second = s;
  return t;
}

TEST(VirtualClock, DateArithmeticCrossesDaysMonthsAndLeapYears) {
  const LocalDateTime t = addMilliseconds(at(2024, 2, 28, 23, 59, 59), 1500);
  EXPECT_EQ(t.year, 2024);
  EXPECT_EQ(t.month, 2);
  EXPECT_EQ(t.day, 29);
  EXPECT_EQ(t.hour, 0);
  EXPECT_EQ(t.minute, 0);
  EXPECT_EQ(t.second, 0);
  EXPECT_EQ(t.millisecond, 500);
  EXPECT_EQ(t.dayOfWeek, 4);  // a Thursday

  const LocalDateTime newYear =
      addMilliseconds(at(2025, 12, 31, 23, 0, 0), 3600u * 1000u);
  EXPECT_EQ(newYear.year, 2026);
  EXPECT_EQ(newYear.month, 1);
  EXPECT_EQ(newYear.day, 1);
  EXPECT_EQ(newYear.hour, 0);
}

TEST(VirtualClock, TimersFireInOrderOfDueTimeThenCreation) {
  VirtualClock clock(at(2026, 1, 1, 12, 0, 0));
  std::vector<std::string> fired;
  auto fast = clock.createTimer(300, true);
  auto slow = clock.createTimer(1000, true);
  auto off = clock.createTimer(100, false);
  fast->onTimer = [&] {
    fired.push_back("fast@" + std::to_string(clock.tickMs()));
  };
  slow->onTimer = [&] {
    fired.push_back("slow@" + std::to_string(clock.tickMs()));
  };
  off->onTimer = [&] { fired.push_back("off"); };

  while (clock.fireNextTimer(1200)) {
  }
  EXPECT_EQ(fired, (std::vector<std::string>{"fast@300", "fast@600", "fast@900",
                                             "slow@1000", "fast@1200"}));
  EXPECT_EQ(clock.tickMs(), 1200u);
  EXPECT_EQ(clock.now().second, 1);
  EXPECT_EQ(clock.now().millisecond, 200);
}

TEST(VirtualClock, ChangingIntervalOrEnablingRestartsTheCount) {
  VirtualClock clock(at(2026, 1, 1, 0, 0, 0));
  auto timer = clock.createTimer(1000, true);
  int ticks = 0;
  timer->onTimer = [&] { ++ticks; };
  clock.advanceTo(700);
  timer->setInterval(500);  // now due at 1200, not 1000
  EXPECT_EQ(clock.nextTimerDue(), 1200u);
  timer->setEnabled(false);
  EXPECT_FALSE(clock.nextTimerDue().has_value());
  EXPECT_FALSE(clock.fireNextTimer(5000));
  timer->setEnabled(true);
  EXPECT_EQ(clock.nextTimerDue(), 1200u);
  EXPECT_TRUE(clock.fireNextTimer(5000));
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(clock.nextTimerDue(), 1700u);
}

TEST(VirtualClock, TimerDisabledInItsOwnHandlerFiresOnce) {
  VirtualClock clock(at(2026, 1, 1, 0, 0, 0));
  auto once = clock.createTimer(10, true);
  int ticks = 0;
  once->onTimer = [&] {
    ++ticks;
    once->setEnabled(false);
  };
  while (clock.fireNextTimer(1000)) {
  }
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(clock.tickMs(), 10u);
}

}  // namespace
}  // namespace ov::headless
