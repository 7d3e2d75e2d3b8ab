#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "sim_run.h"

namespace ov::sim::testing {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> shareNames(SimRun& run, std::string_view server = "") {
  uint32_t resume = 0;
  std::vector<std::string> names;
  for (const auto& s :
       run.net().NetShareEnum(server, 1, MAX_PREFERRED_LENGTH, resume).info1)
    names.push_back(s.shi1_netname);
  return names;
}

SHARE_INFO_502 newShare(std::string name, std::string path) {
  SHARE_INFO_502 share;
  share.shi502_netname = std::move(name);
  share.shi502_path = std::move(path);
  return share;
}

TEST(SimShares, EnumerateAndReadTheScenarioShares) {
  SimRun run(
      "0 share Docs D:\\Docs remark=\"Общие документы\" max=10\n"
      "0 share C$ C:\\ type=0x80000000 remark=\"Default share\"\n"
      "0 share Отчёты D:\\Docs\\Отчёты\n"
      "0 share Old D:\\Old\n"
      "0 unshare old\n"
      "0 share Pub E:\\Pub on=FILER\n"
      "0 connect PC1 ivan\n"
      "0 open 1 PC1 ivan D:\\Docs\\a.doc\n");
  run.runTo(0);
  uint32_t resume = 0;
  const auto all =
      run.net().NetShareEnum("", 502, MAX_PREFERRED_LENGTH, resume);
  ASSERT_EQ(all.status, NERR_Success);
  ASSERT_EQ(all.info502.size(), 3u);
  EXPECT_EQ(all.info502[0].shi502_netname, "Docs");
  EXPECT_EQ(all.info502[0].shi502_path, "D:\\Docs");
  EXPECT_EQ(all.info502[0].shi502_remark, "Общие документы");
  EXPECT_EQ(all.info502[0].shi502_max_uses, 10u);
  EXPECT_EQ(all.info502[0].shi502_current_uses, 1u);
  EXPECT_EQ(all.info502[0].access_mask, std::nullopt);
  EXPECT_EQ(all.info502[1].shi502_type, 0x80000000u);
  EXPECT_EQ(all.info502[1].shi502_max_uses, 0xFFFFFFFFu);
  EXPECT_EQ(all.info502[1].shi502_current_uses, 0u);  // Docs holds the file
  EXPECT_THAT(shareNames(run, "\\\\filer"), ElementsAre("Pub"));

  SHARE_INFO_2 info;
  EXPECT_EQ(run.net().NetShareGetInfo("", "отчёТЫ", info), NERR_Success);
  EXPECT_EQ(info.shi2_netname, "Отчёты");
  EXPECT_EQ(info.shi2_path, "D:\\Docs\\Отчёты");
  EXPECT_EQ(run.net().NetShareGetInfo("", "Old", info), NERR_NetNameNotFound);
  EXPECT_EQ(run.net().NetShareGetInfo("\\\\GHOST", "Docs", info), 53u);
  EXPECT_TRUE(run.journal.lines().empty());
}

TEST(SimShares, ShareCallsChangeTheWorldAndAreJournaled) {
  SimRun run("0 share Docs D:\\Docs remark=old max=3\n");
  run.runTo(2.5);

  SHARE_INFO_502 added = newShare("Обмен", "D:\\Обмен");
  added.shi502_remark = "для всех";
  added.shi502_max_uses = 0xFFFFFFFFu;
  added.access_mask = 0x801FFFFF;
  EXPECT_EQ(run.net().NetShareAdd("", added), NERR_Success);
  EXPECT_EQ(run.net().NetShareAdd("", newShare("DOCS", "C:\\x")), 2118u);
  EXPECT_EQ(run.net().NetShareAdd("", newShare("", "C:\\x")),
            ERROR_INVALID_PARAMETER);

  SHARE_INFO_502 change = newShare("docs", "ignored");
  change.shi502_remark = "new";
  change.shi502_max_uses = 7;
  EXPECT_EQ(run.net().NetShareSetInfo("", "docs", change), NERR_Success);
  EXPECT_EQ(run.net().NetShareSetInfo("", "nope", change),
            NERR_NetNameNotFound);

  uint32_t resume = 0;
  auto all = run.net().NetShareEnum("", 502, MAX_PREFERRED_LENGTH, resume);
  ASSERT_EQ(all.info502.size(), 2u);
  EXPECT_EQ(all.info502[0].shi502_remark, "new");
  EXPECT_EQ(all.info502[0].shi502_max_uses, 7u);
  EXPECT_EQ(all.info502[0].shi502_path, "D:\\Docs");
  EXPECT_EQ(all.info502[1].shi502_netname, "Обмен");
  EXPECT_EQ(all.info502[1].access_mask, 0x801FFFFFu);

  EXPECT_EQ(run.net().NetShareDel("", "ОБМЕН"), NERR_Success);
  EXPECT_EQ(run.net().NetShareDel("", "Обмен"), NERR_NetNameNotFound);
  EXPECT_THAT(shareNames(run), ElementsAre("Docs"));

  EXPECT_THAT(
      run.journal.lines(),
      ElementsAre(
          R"j({"t": 2.500, "call": "NetShareAdd", "args": ["", "Обмен", "D:\\Обмен", -1, "для всех", "0x801FFFFF", "D:(A;;0x801FFFFF;;;WD)"]})j",
          R"({"t": 2.500, "call": "NetShareAdd", "args": ["", "DOCS", "C:\\x", -1, "", null, null]})",
          R"({"t": 2.500, "call": "NetShareAdd", "args": ["", "", "C:\\x", -1, "", null, null]})",
          R"({"t": 2.500, "call": "NetShareSetInfo", "args": ["", "docs", "new", 7]})",
          R"({"t": 2.500, "call": "NetShareSetInfo", "args": ["", "nope", "new", 7]})",
          R"({"t": 2.500, "call": "NetShareDel", "args": ["", "ОБМЕН"]})",
          R"({"t": 2.500, "call": "NetShareDel", "args": ["", "Обмен"]})"));
}

TEST(SimShares, ConnectionsAreTheSharesHoldingTheClientsFiles) {
  SimRun run(
      "0 share C$ C:\\ type=0x80000000\n"
      "0 share Docs C:\\Docs\n"
      "0 share Printer HP type=1\n"
      "0 connect PC1 ivan\n"
      "0 connect pc1 olga\n"
      "0 connect PC2 petr\n"
      "5 open 1 PC1 ivan C:\\Docs\\a.doc\n"
      "5 open 2 PC1 ivan C:\\docs\\b.doc\n"
      "5 open 3 PC1 ivan C:\\Docs2\\c.doc\n"
      "5 open 4 pc1 olga \\PIPE\\spoolss\n"
      "5 open 5 PC2 petr C:\\Docs\\d.doc\n");
  run.runTo(20);
  const auto conns = run.connections("\\\\PC1");
  ASSERT_EQ(conns.size(), 3u);
  EXPECT_EQ(conns[0].coni1_netname, "C$");
  EXPECT_EQ(conns[0].coni1_num_opens, 1u);
  EXPECT_EQ(conns[0].coni1_username, "ivan");
  EXPECT_EQ(conns[0].coni1_time, 20u);
  EXPECT_EQ(conns[1].coni1_netname, "Docs");
  EXPECT_EQ(conns[1].coni1_num_opens, 2u);
  EXPECT_EQ(conns[1].coni1_type, 0u);
  EXPECT_EQ(conns[2].coni1_netname, "IPC$");
  EXPECT_EQ(conns[2].coni1_type, 3u);
  EXPECT_EQ(conns[2].coni1_username, "olga");
  EXPECT_TRUE(run.connections("\\\\PC9").empty());

  uint32_t resume = 0;
  EXPECT_EQ(run.net().NetConnectionEnum("", "PC1", 1, 2048, resume).status,
            ERROR_INVALID_PARAMETER);
}

TEST(SimShares, ServerInformationPerComputer) {
  SimRun run(
      "0 localhost MAIN\n"
      "0 server \"\" comment=\"Главный\"\n"
      "0 server OLD platform=400 major=4 minor=0 type=0x3 comment=\"NT 4\"\n");
  run.runTo(0);
  SERVER_INFO_101 info;
  ASSERT_EQ(run.net().NetServerGetInfo("", info), NERR_Success);
  EXPECT_EQ(info.sv101_name, "MAIN");
  EXPECT_EQ(info.sv101_platform_id, 500u);
  EXPECT_EQ(info.sv101_version_major, 5u);
  EXPECT_EQ(info.sv101_comment, "Главный");
  ASSERT_EQ(run.net().NetServerGetInfo("\\\\old", info), NERR_Success);
  EXPECT_EQ(info.sv101_name, "OLD");
  EXPECT_EQ(info.sv101_platform_id, 400u);
  EXPECT_EQ(info.sv101_version_major, 4u);
  EXPECT_EQ(info.sv101_version_minor, 0u);
  EXPECT_EQ(info.sv101_type, 3u);
  EXPECT_EQ(info.sv101_comment, "NT 4");
  EXPECT_EQ(run.net().NetServerGetInfo("\\\\NEW", info), ERROR_BAD_NETPATH);
}

TEST(SimStatistics, CountersComeInTheRecordsFieldOrder) {
  SimRun run(
      "0 stats server sts0_start=1000 sts0_fopens=42 sts0_bigbufneed=7\n"
      "0 stats workstation BytesReceived=5000000000 "
      "NetworkWriteBytesRequested=9"
      " InitiallyFailedOperations=3 CurrentCommands=2\n"
      "1 fail NetStatisticsGet 5\n");
  run.runTo(0);
  NetApi::Statistics stats;
  EXPECT_EQ(run.net().NetStatisticsGet("", "LanmanServer", 0, 0, stats), 0u);
  EXPECT_EQ(stats.server.counters[0], 1000u);
  EXPECT_EQ(stats.server.counters[1], 42u);
  EXPECT_EQ(stats.server.counters[2], 0u);
  EXPECT_EQ(stats.server.counters[16], 7u);
  EXPECT_EQ(run.net().NetStatisticsGet("", "LanmanWorkstation", 0, 0, stats),
            0u);
  EXPECT_EQ(stats.workstation.largeCounters[1], 5000000000);
  EXPECT_EQ(stats.workstation.largeCounters[12], 9);
  EXPECT_EQ(stats.workstation.counters[0], 3u);
  EXPECT_EQ(stats.workstation.counters[26], 2u);
  EXPECT_EQ(run.net().NetStatisticsGet("", "Messenger", 0, 0, stats), 87u);
  EXPECT_EQ(run.net().NetStatisticsGet("\\NOBODY", "LanmanServer", 0, 0, stats),
            53u);
  run.runTo(1);
  EXPECT_EQ(run.net().NetStatisticsGet("", "LanmanServer", 0, 0, stats), 5u);
}

TEST(SimStatistics, TheServicesStartWithTheRunUnlessTheScenarioSaysOtherwise) {
  SimRun run("0 stats server sts0_fopens=1\n");
  run.runTo(30);
  // The fake clock stands still at its date while its tick moves.
  const int64_t started = UnixSecondsOf({2006, 3, 5, 9, 0, 0}) - 30;
  NetApi::Statistics stats;
  ASSERT_EQ(run.net().NetStatisticsGet("", "LanmanServer", 0, 0, stats), 0u);
  EXPECT_EQ(stats.server.counters[0], static_cast<uint32_t>(started));
  ASSERT_EQ(run.net().NetStatisticsGet("", "LanmanWorkstation", 0, 0, stats),
            0u);
  EXPECT_EQ(stats.workstation.largeCounters[0],
            (started + 11644473600) * 10000000);
}

}  // namespace
}  // namespace ov::sim::testing
