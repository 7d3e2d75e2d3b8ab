#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sim_run.h"

namespace ov::sim::testing {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> describe(const std::vector<ScenarioEvent>& events) {
  std::vector<std::string> out;
  for (const auto& e : events) {
    std::string text = std::to_string(e.timeMs) + " " + e.verb;
    for (const auto& a : e.args) text += " " + a;
    out.push_back(text);
  }
  return out;
}

TEST(ScenarioPlayer, AppliesWorldLinesAndHandsUserLinesBackInOrder) {
  FakeClock clock;
  Journal journal([&] { return clock.ms; });
  SimLan lan(clock, journal,
             parseScenario("0 connect PC1 ivan\n"
                           "0 ui click N4\n"
                           "0 connect PC2 olga\n"
                           "5 ui page 2\n"
                           "7 dump form.json\n"
                           "9 exit\n",
                           "t.scn"));
  ScenarioPlayer& player = lan.player();
  EXPECT_EQ(player.nextDueMs(), 0u);

  auto event = player.advance(0);
  ASSERT_TRUE(event);
  EXPECT_EQ(event->verb, "ui");
  EXPECT_THAT(event->args, ElementsAre("click", "N4"));
  EXPECT_EQ(event->line, 2);
  // The line before the user's click has been applied, the one after not yet.
  EXPECT_EQ(lan.world().localServer().sessions().size(), 1u);

  EXPECT_FALSE(player.advance(0));
  EXPECT_EQ(lan.world().localServer().sessions().size(), 2u);
  EXPECT_EQ(player.nextDueMs(), 5000u);

  // A late call gets every due line, one user event at a time.
  std::vector<ScenarioEvent> late;
  while (auto e = player.advance(8000)) late.push_back(*e);
  EXPECT_THAT(describe(late),
              ElementsAre("5000 ui page 2", "7000 dump form.json"));
  EXPECT_EQ(player.nextDueMs(), 9000u);
  EXPECT_FALSE(player.linesDone());
  EXPECT_EQ(player.advance(9000)->verb, "exit");
  EXPECT_TRUE(player.linesDone());
  EXPECT_EQ(player.nextDueMs(), std::nullopt);
}

TEST(ScenarioPlayer, ReconnectsAreDueEventsBeforeTheLinesOfTheirMoment) {
  SimRun run(
      "0 connect PC1 ivan reconnect=10\n"
      "20 open 1 PC1 ivan C:\\a.doc\n"
      "20 ui click N4\n");
  run.runTo(10);
  run.net().NetSessionDel("", "\\\\PC1", std::nullopt);
  EXPECT_EQ(run.lan.player().nextDueMs(), 20000u);
  run.runTo(20);
  // Back at 20 and the open of that same moment found the new session.
  ASSERT_EQ(run.sessions().size(), 1u);
  EXPECT_EQ(run.sessions()[0].sesi502_num_opens, 1u);
  EXPECT_THAT(describe(run.userEvents), ElementsAre("20000 ui click N4"));
}

TEST(ScenarioPlayer, WorldEventsTakeTheirOwnTimeWhenAppliedLate) {
  FakeClock clock;
  Journal journal([&] { return clock.ms; });
  SimLan lan(clock, journal, parseScenario("3 connect PC1 ivan\n", "t.scn"));
  clock.ms = 10000;
  EXPECT_FALSE(lan.player().advance(clock.ms));
  uint32_t resume = 0;
  const auto batch = lan.netApi().NetSessionEnum("", 502, 2048, resume);
  ASSERT_EQ(batch.info502.size(), 1u);
  EXPECT_EQ(batch.info502[0].sesi502_time, 7u);
}

}  // namespace
}  // namespace ov::sim::testing
