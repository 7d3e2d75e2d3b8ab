#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sim_run.h"

namespace ov::sim::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(SimSessions, ReportTimesIdleAndFieldsOfTheScenario) {
  SimRun run(
      "10 connect PC1 ivan cltype=\"Windows 5.0\" "
      "transport=\\Device\\NetBT_Tcpip\n"
      "20 connect PC2 petr busy\n"
      "40 touch PC1 ivan\n"
      "50 open 5 PC2 petr C:\\Docs\\a.doc\n"
      "55 open 6 PC2 petr C:\\Docs\\b.doc\n");
  EXPECT_THAT(run.sessions(), IsEmpty());

  run.runTo(35.5);
  auto s = run.sessions();
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[0].sesi502_cname, "PC1");
  EXPECT_EQ(s[0].sesi502_username, "ivan");
  EXPECT_EQ(s[0].sesi502_time, 25u);
  EXPECT_EQ(s[0].sesi502_idle_time, 25u);
  EXPECT_EQ(s[0].sesi502_cltype_name, "Windows 5.0");
  EXPECT_EQ(s[0].sesi502_transport, "\\Device\\NetBT_Tcpip");
  EXPECT_EQ(s[1].sesi502_time, 15u);
  EXPECT_EQ(s[1].sesi502_idle_time, 0u);  // busy

  run.runTo(61);
  s = run.sessions();
  EXPECT_EQ(s[0].sesi502_time, 51u);
  EXPECT_EQ(s[0].sesi502_idle_time, 21u);  // touched at 40
  EXPECT_EQ(s[0].sesi502_num_opens, 0u);
  EXPECT_EQ(s[1].sesi502_num_opens, 2u);

  uint32_t resume = 0;
  const auto level10 = run.net().NetSessionEnum("", 10, 2048, resume);
  ASSERT_EQ(level10.status, NERR_Success);
  ASSERT_EQ(level10.info10.size(), 2u);
  EXPECT_TRUE(level10.info502.empty());
  EXPECT_EQ(level10.info10[0].sesi10_cname, "PC1");
  EXPECT_EQ(level10.info10[0].sesi10_username, "ivan");
  EXPECT_EQ(level10.info10[0].sesi10_time, 51u);
  EXPECT_EQ(level10.info10[0].sesi10_idle_time, 21u);

  resume = 0;
  EXPECT_EQ(run.net().NetSessionEnum("", 1, 2048, resume).status, 124u);
}

TEST(SimSessions, OpeningIsActivityAndFilesListTheirUser) {
  SimRun run(
      "0 connect PC1 ivan\n"
      "30 open 7 PC1 ivan \"C:\\My Docs\\a.doc\" perm=3 locks=2\n"
      "31 open 8 PC1 ivan \\PIPE\\spoolss\n"
      "40 close 7\n"
      "50 open 9 NOBODY ivan C:\\x.txt\n");
  run.runTo(35);
  EXPECT_EQ(run.sessions()[0].sesi502_idle_time, 4u);
  auto files = run.files();
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].fi3_id, 7u);
  EXPECT_EQ(files[0].fi3_permissions, 3u);
  EXPECT_EQ(files[0].fi3_num_locks, 2u);
  EXPECT_EQ(files[0].fi3_pathname, "C:\\My Docs\\a.doc");
  EXPECT_EQ(files[0].fi3_username, "ivan");
  EXPECT_EQ(files[1].fi3_pathname, "\\PIPE\\spoolss");
  EXPECT_EQ(files[1].fi3_permissions, 1u);
  EXPECT_EQ(files[1].fi3_num_locks, 0u);

  // A close is not activity; a client without a session opens nothing.
  run.runTo(60);
  EXPECT_EQ(run.sessions()[0].sesi502_idle_time, 29u);
  files = run.files();
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].fi3_id, 8u);
}

TEST(SimSessions, ClientLeavingClosesItsFiles) {
  SimRun run(
      "0 connect PC1 ivan\n"
      "0 connect PC1 olga\n"
      "1 open 1 PC1 ivan C:\\a.doc\n"
      "1 open 2 PC1 olga C:\\b.doc\n"
      "5 disconnect PC1 ivan\n");
  run.runTo(5);
  EXPECT_THAT(run.sessionNames(), ElementsAre("PC1/olga"));
  const auto files = run.files();
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].fi3_id, 2u);
}

TEST(SimSessions, DisconnectCallByClientOrByClientAndUser) {
  SimRun run(
      "0 connect PC1 ivan\n"
      "0 connect PC1 olga\n"
      "0 connect PC2 ivan\n"
      "0 connect PC3 petr\n"
      "1 open 1 PC1 ivan C:\\a.doc\n"
      "1 open 2 PC1 olga C:\\b.doc\n"
      "1 open 3 PC2 ivan C:\\c.doc\n");
  run.runTo(12);
  EXPECT_EQ(run.net().NetSessionDel("", "\\\\pc1", "IVAN"), NERR_Success);
  EXPECT_THAT(run.sessionNames(),
              ElementsAre("PC1/olga", "PC2/ivan", "PC3/petr"));
  EXPECT_EQ(run.files().size(), 2u);

  EXPECT_EQ(run.net().NetSessionDel("", "\\\\PC1", "ivan"), 2221u);
  EXPECT_EQ(run.net().NetSessionDel("", "\\\\PC9", std::nullopt), 2312u);
  EXPECT_EQ(run.net().NetSessionDel("", "\\\\PC2", std::nullopt), NERR_Success);
  EXPECT_EQ(run.net().NetSessionDel("", "PC1", std::nullopt), NERR_Success);
  EXPECT_THAT(run.sessionNames(), ElementsAre("PC3/petr"));
  EXPECT_TRUE(run.files().empty());

  EXPECT_THAT(
      run.journal.lines(),
      ElementsAre(
          R"({"t": 12.000, "call": "NetSessionDel", "args": ["", "\\\\pc1", "IVAN"]})",
          R"({"t": 12.000, "call": "NetSessionDel", "args": ["", "\\\\PC1", "ivan"]})",
          R"({"t": 12.000, "call": "NetSessionDel", "args": ["", "\\\\PC9", null]})",
          R"({"t": 12.000, "call": "NetSessionDel", "args": ["", "\\\\PC2", null]})",
          R"({"t": 12.000, "call": "NetSessionDel", "args": ["", "PC1", null]})"));
}

TEST(SimSessions, KickedClientWithReconnectComesBackAsNewSession) {
  SimRun run(
      "0 connect PC1 ivan reconnect=30 cltype=XP transport=NetBT busy\n"
      "0 connect PC2 petr\n"
      "1 open 1 PC1 ivan C:\\a.doc\n");
  run.runTo(100);
  EXPECT_EQ(run.net().NetSessionDel("", "\\\\PC1", std::nullopt), NERR_Success);
  EXPECT_EQ(run.net().NetSessionDel("", "\\\\PC2", std::nullopt), NERR_Success);
  EXPECT_EQ(run.lan.player().nextDueMs(), 130000u);

  run.runTo(129.9);
  EXPECT_TRUE(run.sessions().empty());
  run.runTo(135);
  auto s = run.sessions();
  ASSERT_EQ(s.size(), 1u);
  EXPECT_EQ(s[0].sesi502_cname, "PC1");
  EXPECT_EQ(s[0].sesi502_time, 5u);
  EXPECT_EQ(s[0].sesi502_idle_time, 0u);
  EXPECT_EQ(s[0].sesi502_cltype_name, "XP");
  EXPECT_EQ(s[0].sesi502_transport, "NetBT");
  EXPECT_EQ(s[0].sesi502_num_opens, 0u);
  EXPECT_TRUE(run.files().empty());

  // Kicked again, it comes back again.
  run.net().NetSessionDel("", "\\\\PC1", "ivan");
  run.runTo(165);
  EXPECT_THAT(run.sessionNames(), ElementsAre("PC1/ivan"));
  EXPECT_EQ(run.sessions()[0].sesi502_time, 0u);
}

TEST(SimSessions, ClientLeavingByItselfDoesNotComeBack) {
  SimRun run(
      "0 connect PC1 ivan reconnect=30\n"
      "50 disconnect PC1 ivan\n");
  run.runTo(40);
  run.net().NetSessionDel("", "\\\\PC1", std::nullopt);
  run.runTo(100);
  EXPECT_TRUE(run.sessions().empty());
  EXPECT_EQ(run.lan.player().nextDueMs(), std::nullopt);
}

TEST(SimSessions, ServersAreReachedByNameInAnyCase) {
  SimRun run(
      "0 localhost MAIN\n"
      "0 connect PC1 ivan\n"
      "0 connect PC2 olga on=Filer\n"
      "0 open 4 PC2 olga D:\\x.doc\n"
      "0 server Archive comment=old\n");
  run.runTo(1);
  EXPECT_THAT(run.sessionNames(), ElementsAre("PC1/ivan"));
  EXPECT_THAT(run.sessionNames("\\\\main"), ElementsAre("PC1/ivan"));
  EXPECT_THAT(run.sessionNames("\\\\FILER"), ElementsAre("PC2/olga"));
  EXPECT_THAT(run.sessionNames("filer"), ElementsAre("PC2/olga"));
  EXPECT_TRUE(run.sessionNames("\\\\ARCHIVE").empty());
  EXPECT_TRUE(run.files().empty());
  EXPECT_EQ(run.files("\\\\FILER").size(), 1u);

  uint32_t resume = 0;
  const auto unknown = run.net().NetSessionEnum("\\\\GHOST", 502, 2048, resume);
  EXPECT_EQ(unknown.status, ERROR_BAD_NETPATH);
  EXPECT_TRUE(unknown.info502.empty());
  EXPECT_EQ(run.net().NetFileEnum("GHOST", 3, 2048, resume).status, 53u);
  EXPECT_EQ(run.net().NetSessionDel("\\\\GHOST", "\\\\PC1", std::nullopt), 53u);
  EXPECT_EQ(run.net().NetFileClose("\\\\GHOST", 4), 53u);
  EXPECT_EQ(run.net().NetFileClose("\\\\filer", 4), NERR_Success);
  EXPECT_EQ(run.net().NetFileClose("\\\\filer", 4), 2314u);
  EXPECT_TRUE(run.files("\\\\FILER").empty());
  EXPECT_THAT(
      run.journal.lines(),
      ElementsAre(
          R"({"t": 1.000, "call": "NetSessionDel", "args": ["\\\\GHOST", "\\\\PC1", null]})",
          R"({"t": 1.000, "call": "NetFileClose", "args": ["\\\\GHOST", 4]})",
          R"({"t": 1.000, "call": "NetFileClose", "args": ["\\\\filer", 4]})",
          R"({"t": 1.000, "call": "NetFileClose", "args": ["\\\\filer", 4]})"));
}

}  // namespace
}  // namespace ov::sim::testing
