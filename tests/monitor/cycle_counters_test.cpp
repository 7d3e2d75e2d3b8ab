#include "monitor/cycle_counters.h"

#include <gtest/gtest.h>

namespace ov::monitor {
namespace {

TEST(CycleCountersTest, ChangeIsJudgedAgainstThePreviousCycle) {
  CycleCounters counters;
  counters.startCycle();
  EXPECT_FALSE(counters.changedSinceLastCycle());

  counters.sessionsThisCycle = 2;
  counters.userlessSessionSeen = true;
  counters.loggedOpeningsThisMinute = 4;
  EXPECT_TRUE(counters.changedSinceLastCycle());
  counters.endCycle();

  counters.startCycle();
  EXPECT_EQ(counters.sessionsThisCycle, 0);
  EXPECT_FALSE(counters.userlessSessionSeen);
  EXPECT_EQ(counters.loggedOpeningsThisMinute, 4u);  // per minute, not cycle
  counters.sessionsThisCycle = 2;
  EXPECT_FALSE(counters.changedSinceLastCycle());
  counters.openFilesThisCycle = 1;
  EXPECT_TRUE(counters.changedSinceLastCycle());
  counters.endCycle();
  EXPECT_EQ(counters.sessionsLastCycle, 2);
  EXPECT_EQ(counters.openFilesLastCycle, 1u);
}

}  // namespace
}  // namespace ov::monitor
