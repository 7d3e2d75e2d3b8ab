#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sim_run.h"

namespace ov::sim::testing {
namespace {

using ::testing::ElementsAre;

constexpr const char* kFiveClients =
    "0 connect PC1 a\n"
    "0 connect PC2 b\n"
    "0 connect PC3 c\n"
    "0 connect PC4 d\n"
    "0 connect PC5 e\n"
    "0 open 1 PC1 a C:\\1\n"
    "0 open 2 PC1 a C:\\2\n"
    "0 open 3 PC2 b C:\\3\n"
    "0 share S1 C:\\1\n"
    "0 share S2 C:\\2\n"
    "0 share S3 C:\\3\n";

TEST(SimEnumeration, BatchLimitsEveryCallAndTheResumeHandleMovesOn) {
  SimRun run(std::string(kFiveClients) + "0 batch 2\n");
  run.runTo(0);

  uint32_t resume = 0;
  std::vector<std::string> names;
  std::vector<NetStatus> statuses;
  std::vector<uint32_t> handles;
  for (;;) {
    const auto b =
        run.net().NetSessionEnum("", 502, MAX_PREFERRED_LENGTH, resume);
    for (const auto& s : b.info502) names.push_back(s.sesi502_cname);
    statuses.push_back(b.status);
    handles.push_back(resume);
    if (b.status != ERROR_MORE_DATA) break;
  }
  EXPECT_THAT(names, ElementsAre("PC1", "PC2", "PC3", "PC4", "PC5"));
  EXPECT_THAT(statuses, ElementsAre(234u, 234u, 0u));
  EXPECT_THAT(handles, ElementsAre(2u, 4u, 5u));

  resume = 0;
  auto files = run.net().NetFileEnum("", 3, MAX_PREFERRED_LENGTH, resume);
  EXPECT_EQ(files.status, ERROR_MORE_DATA);
  EXPECT_EQ(files.entries.size(), 2u);
  files = run.net().NetFileEnum("", 3, MAX_PREFERRED_LENGTH, resume);
  EXPECT_EQ(files.status, NERR_Success);
  ASSERT_EQ(files.entries.size(), 1u);
  EXPECT_EQ(files.entries[0].fi3_id, 3u);

  resume = 0;
  auto shares = run.net().NetShareEnum("", 1, MAX_PREFERRED_LENGTH, resume);
  EXPECT_EQ(shares.status, ERROR_MORE_DATA);
  ASSERT_EQ(shares.info1.size(), 2u);
  shares = run.net().NetShareEnum("", 1, MAX_PREFERRED_LENGTH, resume);
  EXPECT_EQ(shares.status, NERR_Success);
  ASSERT_EQ(shares.info1.size(), 1u);
  EXPECT_EQ(shares.info1[0].shi1_netname, "S3");

  resume = 0;
  auto conns = run.net().NetConnectionEnum("", "\\\\PC1", 1, 2048, resume);
  EXPECT_EQ(conns.status, NERR_Success);
  EXPECT_EQ(conns.entries.size(), 2u);
  EXPECT_EQ(run.sessions().size(), 5u);  // the whole list across batches
}

TEST(SimEnumeration, ArmedFailuresHitTheNamedCallOnly) {
  SimRun run(std::string(kFiveClients) +
             "10 fail NetSessionEnum 5 count=2\n"
             "10 fail NetFileEnum 0x3B count=always\n"
             "10 fail NetFileClose 2314\n");
  run.runTo(10);
  uint32_t resume = 0;
  auto sessions = run.net().NetSessionEnum("", 502, 2048, resume);
  EXPECT_EQ(sessions.status, ERROR_ACCESS_DENIED);
  EXPECT_TRUE(sessions.info502.empty());
  EXPECT_EQ(run.net().NetSessionEnum("", 10, 2048, resume).status, 5u);
  sessions = run.net().NetSessionEnum("", 502, 2048, resume);
  EXPECT_EQ(sessions.status, NERR_Success);
  EXPECT_EQ(sessions.info502.size(), 5u);

  for (int call = 0; call < 3; ++call) {
    resume = 0;
    const auto files = run.net().NetFileEnum("", 3, 2048, resume);
    EXPECT_EQ(files.status, 59u);
    EXPECT_TRUE(files.entries.empty());
  }

  EXPECT_EQ(run.net().NetFileClose("", 1), 2314u);
  EXPECT_EQ(run.net().NetFileClose("", 1), NERR_Success);
  EXPECT_THAT(
      run.journal.lines(),
      ElementsAre(R"({"t": 10.000, "call": "NetFileClose", "args": ["", 1]})",
                  R"({"t": 10.000, "call": "NetFileClose", "args": ["", 1]})"));
}

TEST(SimEnumeration, NothingIsReportedThatTheScenarioDidNotCreate) {
  SimRun run("");
  uint32_t resume = 0;
  EXPECT_TRUE(run.net().NetSessionEnum("", 502, 2048, resume).info502.empty());
  EXPECT_TRUE(run.net().NetFileEnum("", 3, 2048, resume).entries.empty());
  EXPECT_TRUE(run.net().NetShareEnum("", 502, 2048, resume).info502.empty());
  EXPECT_TRUE(run.net()
                  .NetConnectionEnum("", "\\\\PC1", 1, 2048, resume)
                  .entries.empty());
}

}  // namespace
}  // namespace ov::sim::testing
