// The Samba port against the private smbd that watch.sh starts, named by
// ORVANE_SAMBA_SERVER and ORVANE_SAMBA_CREDENTIALS: what it reads of the
// server and the statuses it gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/samba/samba_netapi.h"

namespace ov::samba {
namespace {

constexpr uint32_t SV_TYPE_SERVER = 0x2;
constexpr uint32_t kPlatformNt = 500;

class SambaPort : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* server = std::getenv("ORVANE_SAMBA_SERVER");
    const char* credentials = std::getenv("ORVANE_SAMBA_CREDENTIALS");
    if (!server || !credentials) GTEST_SKIP() << "no test server named";
    net_ = std::make_unique<SambaNetApi>(server, credentials, 10);
    std::string error;
    ASSERT_TRUE(net_->connect(error)) << error;
  }

  std::unique_ptr<SambaNetApi> net_;
};

TEST_F(SambaPort, TheServerTellsItsNameSystemAndShares) {
  SERVER_INFO_101 info;
  ASSERT_EQ(net_->NetServerGetInfo("", info), NERR_Success);
  EXPECT_FALSE(info.sv101_name.empty());
  EXPECT_EQ(info.sv101_platform_id, kPlatformNt);
  EXPECT_NE(info.sv101_type & SV_TYPE_SERVER, 0u);
  EXPECT_NE(info.sv101_comment.find("Samba"), std::string::npos);

  uint32_t resume = 0;
  const NetApi::ShareBatch wide = net_->NetShareEnum("", 502, 0, resume);
  ASSERT_EQ(wide.status, NERR_Success);
  const auto office = std::find_if(
      wide.info502.begin(), wide.info502.end(),
      [](const SHARE_INFO_502& s) { return s.shi502_netname == "office"; });
  ASSERT_NE(office, wide.info502.end());
  EXPECT_EQ(office->shi502_type, 0u);
  EXPECT_TRUE(office->shi502_path.ends_with("\\office")) << office->shi502_path;
  EXPECT_EQ(office->shi502_max_uses, 0xFFFFFFFFu);
  const NetApi::ShareBatch narrow = net_->NetShareEnum("", 1, 0, resume);
  ASSERT_EQ(narrow.status, NERR_Success);
  EXPECT_EQ(narrow.info1.size(), wide.info502.size());
  EXPECT_EQ(net_->NetShareEnum("", 2, 0, resume).status, ERROR_INVALID_LEVEL);
}

TEST_F(SambaPort, WhatIsGoneIsNotFoundAndAnUnknownServerIsNoPath) {
  EXPECT_EQ(net_->NetFileClose("", 12345), NERR_FileIdNotFound);
  EXPECT_EQ(net_->NetSessionDel("", "\\\\10.9.9.9", std::nullopt),
            NERR_ClientNameNotFound);
  // The port's own session comes from the same address.
  uint32_t resume = 0;
  const auto sessions = net_->NetSessionEnum("", 10, 0, resume);
  ASSERT_EQ(sessions.status, NERR_Success);
  ASSERT_FALSE(sessions.info10.empty());
  EXPECT_EQ(net_->NetSessionDel("", "\\\\" + sessions.info10[0].sesi10_cname,
                                "nobody"),
            NERR_UserNotFound);
  EXPECT_EQ(net_->NetFileEnum("\\\\127.0.0.2", 3, 0, resume).status,
            ERROR_BAD_NETPATH);
  // The port's own server still answers.
  EXPECT_EQ(net_->NetFileEnum("", 3, 0, resume).status, NERR_Success);
}

TEST_F(SambaPort, ThisMachinesSmbdTellsDialectsAndStatistics) {
  const char* config = std::getenv("ORVANE_SAMBA_CONF");
  ASSERT_NE(config, nullptr) << "no smb.conf named";
  // Without its configuration the port does not take the server for this
  // machine's own.
  uint32_t resume = 0;
  NetApi::Statistics statistics;
  EXPECT_EQ(net_->NetStatisticsGet("", "LanmanServer", 0, 0, statistics),
            ERROR_NOT_SUPPORTED);
  for (const auto& session : net_->NetSessionEnum("", 502, 0, resume).info502)
    EXPECT_EQ(session.sesi502_cltype_name, "");

  SambaNetApi local(std::getenv("ORVANE_SAMBA_SERVER"),
                    std::getenv("ORVANE_SAMBA_CREDENTIALS"), 10, config);
  std::string error;
  ASSERT_TRUE(local.connect(error)) << error;
  const auto sessions = local.NetSessionEnum("", 502, 0, resume);
  ASSERT_EQ(sessions.status, NERR_Success);
  int clients = 0;
  for (const auto& session : sessions.info502) {
    if (session.sesi502_username == "ovadmin") continue;
    ++clients;
    EXPECT_TRUE(session.sesi502_cltype_name.starts_with("SMB"))
        << session.sesi502_username << ": " << session.sesi502_cltype_name;
  }
  EXPECT_EQ(clients, 2);

  ASSERT_EQ(local.NetStatisticsGet("", "LanmanServer", 0, 0, statistics),
            NERR_Success);
  const auto& counters = statistics.server.counters;
  const auto now = static_cast<uint32_t>(std::time(nullptr));
  EXPECT_LE(counters[0], now);  // sts0_start: smbd started in this test
  EXPECT_GE(counters[0], now - 600);
  EXPECT_GE(counters[1], 5u);  // the clients' five files at least
  EXPECT_GT(counters[10], 0u);
  EXPECT_GT(counters[12], 0u);
  EXPECT_EQ(local.NetStatisticsGet("", "LanmanWorkstation", 0, 0, statistics),
            ERROR_NOT_SUPPORTED);
  EXPECT_EQ(
      local.NetStatisticsGet("\\\\127.0.0.2", "LanmanServer", 0, 0, statistics),
      ERROR_NOT_SUPPORTED);
}

TEST_F(SambaPort, ASharedFolderIsAddedChangedAndRemovedOnTheServer) {
  const char* folder = std::getenv("ORVANE_SAMBA_FOLDER");
  ASSERT_NE(folder, nullptr) << "no folder to share named";
  const auto listed = [this](const std::string& name) {
    uint32_t resume = 0;
    const NetApi::ShareBatch all = net_->NetShareEnum("", 502, 0, resume);
    for (const SHARE_INFO_502& share : all.info502)
      if (share.shi502_netname == name) return share;
    return SHARE_INFO_502{};
  };
  SHARE_INFO_502 share;
  share.shi502_netname = "ovtest";
  share.shi502_remark = "Бухгалтерия";
  share.shi502_path = folder;
  ASSERT_EQ(net_->NetShareAdd("", share), NERR_Success);
  SHARE_INFO_502 added = listed("ovtest");
  EXPECT_EQ(added.shi502_netname, "ovtest");
  EXPECT_EQ(added.shi502_remark, "Бухгалтерия");
  EXPECT_TRUE(added.shi502_path.ends_with(
      std::string(folder).substr(std::string(folder).rfind('/') + 1)))
      << added.shi502_path;

  SHARE_INFO_2 one;
  ASSERT_EQ(net_->NetShareGetInfo("", "OVTEST", one), NERR_Success);
  EXPECT_EQ(one.shi2_netname, "ovtest");
  EXPECT_EQ(one.shi2_remark, "Бухгалтерия");
  EXPECT_EQ(one.shi2_path, added.shi502_path);

  share.shi502_remark = "Склад";
  ASSERT_EQ(net_->NetShareSetInfo("", "ovtest", share), NERR_Success);
  EXPECT_EQ(listed("ovtest").shi502_remark, "Склад");

  ASSERT_EQ(net_->NetShareDel("", "ovtest"), NERR_Success);
  EXPECT_EQ(listed("ovtest").shi502_netname, "");
  EXPECT_EQ(net_->NetShareDel("", "ovtest"), NERR_NetNameNotFound);
  EXPECT_EQ(net_->NetShareGetInfo("", "ovtest", one), NERR_NetNameNotFound);
  EXPECT_EQ(net_->NetShareSetInfo("", "ovtest", share), NERR_NetNameNotFound);
}

}  // namespace
}  // namespace ov::samba
