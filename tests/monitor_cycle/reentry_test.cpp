// A tick that arrives while a cycle runs (a modal loop inside the cycle
// delivers it) runs no second cycle.
#include <gtest/gtest.h>

#include <stdexcept>

#include "lan_form.h"
#include "monitor/reentry_guard.h"

namespace ov::test {
namespace {

TEST(ReentryGuard, RunsWorkOnlyWhenNoRunIsUnderWay) {
  monitor::ReentryGuard guard;
  int outer = 0;
  int inner = 0;
  bool nestedRan = true;
  EXPECT_TRUE(guard.run([&] {
    ++outer;
    EXPECT_TRUE(guard.busy());
    nestedRan = guard.run([&] { ++inner; });
  }));
  EXPECT_EQ(outer, 1);
  EXPECT_EQ(inner, 0);
  EXPECT_FALSE(nestedRan);
  EXPECT_FALSE(guard.busy());

  // Work that throws frees the guard.
  EXPECT_THROW(guard.run([] { throw std::runtime_error("x"); }),
               std::runtime_error);
  EXPECT_FALSE(guard.busy());
  EXPECT_TRUE(guard.run([&] { ++inner; }));
  EXPECT_EQ(inner, 1);
}

TEST(ReentryGuard, TickInsideACycleDoesNothing) {
  LanForm lan(R"(
0 ui check cb_conninfo 1
0 ui check cb_connsound 1
0 connect PC1 ivan
)");
  bool nestedWhileRunning = false;
  lan.sound().duringPlay = [&] {
    nestedWhileRunning = lan.form().monitorParts().monitorCycle.running();
    lan.form().Timer3Timer();
  };
  lan.runUntil(1);
  EXPECT_TRUE(nestedWhileRunning);
  // A nested cycle would have told the tray its counts between the two
  // balloons; the one cycle does so after them.
  std::vector<std::string> cycle;
  for (const std::string& name : lan.callNames())
    if ((name != "TrayIcon" || !cycle.empty()) && name != "RegisterHotKey")
      cycle.push_back(name);
  EXPECT_EQ(cycle, (std::vector<std::string>{"Balloon", "PlaySound", "Balloon",
                                             "TrayIcon"}));
  EXPECT_FALSE(lan.form().monitorParts().monitorCycle.running());
}

}  // namespace
}  // namespace ov::test
