// The real ports under Wine: network management (the calls answered by the
// stand-in netapi32.dll beside this program, loaded with
// WINEDLLOVERRIDES=netapi32=n), sockets, file attributes and the registry.
#include "platform/win32/windows_api.h"
// After it.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/win32/win_file_system.h"
#include "platform/win32/win_netapi.h"
#include "platform/win32/win_registry.h"
#include "platform/win32/win_sockets.h"

namespace ov::win32 {
namespace {

using Lines = std::vector<std::string>;

class NetApiTest : public ::testing::Test {
 protected:
  NetApiTest() {
    std::remove("netapi_calls.log");
    setFixture("");
  }
  ~NetApiTest() override {
    // Every buffer handed out was given back.
    EXPECT_EQ(countCalls("NetApiBufferAllocate"),
              countCalls("NetApiBufferFree"));
  }

  static void setFixture(const std::string& text) {
    std::ofstream("netapi_fixture.txt", std::ios::binary) << text;
  }
  static Lines calls() {
    Lines out;
    std::ifstream in("netapi_calls.log", std::ios::binary);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
  }
  static Lines callsOf(const std::string& name) {
    Lines out;
    for (const std::string& line : calls())
      if (line.rfind(name + "\t", 0) == 0 || line == name) out.push_back(line);
    return out;
  }
  static std::size_t countCalls(const std::string& name) {
    return callsOf(name).size();
  }

  WinNetApi net;
};

constexpr char kOffice[] =
    "session\tБУХГАЛТЕРИЯ\tиванов\tWindows 2000 2195\t\\Device\\NetBT_Tcpip\t"
    "3725\t12\t2\n"
    "session\tPC2\t-\tWindows XP\tLNKNB\t60\t0\t0\n"
    "session\t10.0.0.7\t\tUnix\tSMB\t5\t5\t0\n";

TEST_F(NetApiTest, SessionsComeInBatchesFollowingTheResumeHandle) {
  setFixture(std::string("batch\t2\n") + kOffice);
  uint32_t resume = 0;
  const auto first = net.NetSessionEnum("", 502, MAX_PREFERRED_LENGTH, resume);
  EXPECT_EQ(first.status, 234u);
  ASSERT_EQ(first.info502.size(), 2u);
  EXPECT_EQ(first.info502[0].sesi502_cname, "БУХГАЛТЕРИЯ");
  EXPECT_EQ(first.info502[0].sesi502_username, "иванов");
  EXPECT_EQ(first.info502[0].sesi502_cltype_name, "Windows 2000 2195");
  EXPECT_EQ(first.info502[0].sesi502_transport, "\\Device\\NetBT_Tcpip");
  EXPECT_EQ(first.info502[0].sesi502_time, 3725u);
  EXPECT_EQ(first.info502[0].sesi502_idle_time, 12u);
  EXPECT_EQ(first.info502[0].sesi502_num_opens, 2u);
  // A null user name reads as empty in the level-502 record.
  EXPECT_EQ(first.info502[1].sesi502_username, "");

  const auto second = net.NetSessionEnum("", 502, MAX_PREFERRED_LENGTH, resume);
  EXPECT_EQ(second.status, 0u);
  ASSERT_EQ(second.info502.size(), 1u);
  EXPECT_EQ(second.info502[0].sesi502_cname, "10.0.0.7");

  // The server is null for the local machine, wide for another one.
  EXPECT_EQ(callsOf("NetSessionEnum"),
            (Lines{"NetSessionEnum\tnull\tnull\tnull\t502\t4294967295\t0",
                   "NetSessionEnum\tnull\tnull\tnull\t502\t4294967295\t2"}));
}

TEST_F(NetApiTest, LevelTenKeepsANullUserApartFromAnEmptyOne) {
  setFixture(kOffice);
  uint32_t resume = 0;
  const auto batch = net.NetSessionEnum("\\\\СЕРВЕР", 10, 2048, resume);
  EXPECT_EQ(batch.status, 0u);
  ASSERT_EQ(batch.info10.size(), 3u);
  EXPECT_EQ(batch.info10[0].sesi10_username, "иванов");
  EXPECT_EQ(batch.info10[1].sesi10_username, std::nullopt);
  EXPECT_EQ(batch.info10[2].sesi10_username, "");
  EXPECT_EQ(batch.info10[0].sesi10_time, 3725u);
  EXPECT_EQ(callsOf("NetSessionEnum"),
            Lines{"NetSessionEnum\t\\\\СЕРВЕР\tnull\tnull\t10\t2048\t0"});
}

TEST_F(NetApiTest, OpenFilesAndConnectionsComeInBatches) {
  setFixture(
      "batch\t1\n"
      "file\t7\t3\t1\tиванов\tC:\\Общие\\отчёт.xls\n"
      "file\t9\t1\t0\tpetr\t\\PIPE\\srvsvc\n"
      "connection\tОбщие\tиванов\n");
  uint32_t resume = 0;
  auto batch = net.NetFileEnum("", 3, MAX_PREFERRED_LENGTH, resume);
  EXPECT_EQ(batch.status, 234u);
  ASSERT_EQ(batch.entries.size(), 1u);
  EXPECT_EQ(batch.entries[0].fi3_id, 7u);
  EXPECT_EQ(batch.entries[0].fi3_permissions, 3u);
  EXPECT_EQ(batch.entries[0].fi3_num_locks, 1u);
  EXPECT_EQ(batch.entries[0].fi3_pathname, "C:\\Общие\\отчёт.xls");
  EXPECT_EQ(batch.entries[0].fi3_username, "иванов");
  batch = net.NetFileEnum("", 3, MAX_PREFERRED_LENGTH, resume);
  EXPECT_EQ(batch.status, 0u);
  ASSERT_EQ(batch.entries.size(), 1u);
  EXPECT_EQ(batch.entries[0].fi3_pathname, "\\PIPE\\srvsvc");

  uint32_t connections = 0;
  const auto shares =
      net.NetConnectionEnum("", "\\\\БУХГАЛТЕРИЯ", 1, 2048, connections);
  EXPECT_EQ(shares.status, 0u);
  ASSERT_EQ(shares.entries.size(), 1u);
  EXPECT_EQ(shares.entries[0].coni1_netname, "Общие");
  EXPECT_EQ(callsOf("NetConnectionEnum"),
            Lines{"NetConnectionEnum\tnull\t\\\\БУХГАЛТЕРИЯ\t1\t2048\t0"});
}

// What a server may send: unpaired surrogates, control characters and
// names of ten thousand characters all come out as valid UTF-8, whole.
TEST_F(NetApiTest, StrangeTextFromTheServerComesOutAsValidText) {
  const std::string huge(10'000, 'N');
  setFixture("session\tPC{U+D800}X\t{U+DC00}\tOS{U+DE00}{U+D83D}\t" + huge +
             "\t1\t1\t1\n"
             "file\t5\t1\t0\t\x01user{U+D83D}{U+DE00}\tC:\\" +
             huge + "{U+DBFF}\n");
  uint32_t resume = 0;
  const auto sessions =
      net.NetSessionEnum("", 502, MAX_PREFERRED_LENGTH, resume);
  ASSERT_EQ(sessions.info502.size(), 1u);
  EXPECT_EQ(sessions.info502[0].sesi502_cname, "PC?X");
  EXPECT_EQ(sessions.info502[0].sesi502_username, "?");
  // A pair in the wrong order is two unpaired halves.
  EXPECT_EQ(sessions.info502[0].sesi502_cltype_name, "OS??");
  EXPECT_EQ(sessions.info502[0].sesi502_transport, huge);

  resume = 0;
  const auto files = net.NetFileEnum("", 3, MAX_PREFERRED_LENGTH, resume);
  ASSERT_EQ(files.entries.size(), 1u);
  EXPECT_EQ(files.entries[0].fi3_username, "\x01user\xF0\x9F\x98\x80");
  EXPECT_EQ(files.entries[0].fi3_pathname, "C:\\" + huge + "?");
}

TEST_F(NetApiTest, FailuresReturnTheirStatusAndNoEntries) {
  setFixture(std::string(kOffice) +
             "fail\tNetSessionEnum\t5\nfail\tNetFileEnum\t53\n");
  uint32_t resume = 0;
  const auto sessions = net.NetSessionEnum("", 502, 2048, resume);
  EXPECT_EQ(sessions.status, 5u);
  EXPECT_TRUE(sessions.info502.empty());
  const auto files = net.NetFileEnum("\\\\НЕТ", 3, 2048, resume);
  EXPECT_EQ(files.status, 53u);
  EXPECT_TRUE(files.entries.empty());
}

TEST_F(NetApiTest, KicksAndClosesReachTheServerWithTheirArguments) {
  EXPECT_EQ(net.NetSessionDel("", "\\\\БУХГАЛТЕРИЯ", std::nullopt), 0u);
  EXPECT_EQ(net.NetSessionDel("\\\\SRV", "\\\\PC2", "иванов"), 0u);
  EXPECT_EQ(net.NetFileClose("", 7), 0u);
  EXPECT_EQ(calls(), (Lines{"NetSessionDel\tnull\t\\\\БУХГАЛТЕРИЯ\tnull",
                            "NetSessionDel\t\\\\SRV\t\\\\PC2\tиванов",
                            "NetFileClose\tnull\t7"}));
}

TEST_F(NetApiTest, SharesAreListedReadAndWrittenWithTheirAccess) {
  setFixture(
      "share\tДокументы\t0\tC:\\Документы\tобщая папка\n"
      "share\tIPC$\t2147483651\t-\tRemote IPC\n");
  uint32_t resume = 0;
  const auto all = net.NetShareEnum("", 502, MAX_PREFERRED_LENGTH, resume);
  EXPECT_EQ(all.status, 0u);
  ASSERT_EQ(all.info502.size(), 2u);
  EXPECT_EQ(all.info502[0].shi502_netname, "Документы");
  EXPECT_EQ(all.info502[0].shi502_path, "C:\\Документы");
  EXPECT_EQ(all.info502[0].shi502_remark, "общая папка");
  EXPECT_EQ(all.info502[0].access_mask, std::nullopt);
  EXPECT_EQ(all.info502[1].shi502_type, 0x80000003u);
  resume = 0;
  const auto names = net.NetShareEnum("\\\\SRV", 1, 2048, resume);
  ASSERT_EQ(names.info1.size(), 2u);
  EXPECT_EQ(names.info1[1].shi1_remark, "Remote IPC");

  SHARE_INFO_2 one;
  EXPECT_EQ(net.NetShareGetInfo("", "Документы", one), 0u);
  EXPECT_EQ(one.shi2_path, "C:\\Документы");
  EXPECT_EQ(net.NetShareGetInfo("", "Нет", one), 2310u);

  SHARE_INFO_502 share;
  share.shi502_netname = "Обмен";
  share.shi502_path = "C:\\Обмен";
  share.shi502_remark = "для всех";
  EXPECT_EQ(net.NetShareAdd("", share), 0u);
  share.access_mask = 0x001200A9;
  EXPECT_EQ(net.NetShareSetInfo("", "Обмен", share), 0u);
  EXPECT_EQ(net.NetShareDel("", "Обмен"), 0u);
  EXPECT_EQ(callsOf("NetShareAdd"),
            Lines{"NetShareAdd\tnull\t502\tОбмен\t0\tC:\\Обмен\tдля "
                  "всех\t4294967295\tno descriptor"});
  EXPECT_EQ(callsOf("NetShareSetInfo"),
            Lines{"NetShareSetInfo\tnull\tОбмен\t502\tОбмен\t0\tC:\\Обмен\t"
                  "для всех\t4294967295\t0x001200A9"});
  EXPECT_EQ(callsOf("NetShareDel"), Lines{"NetShareDel\tnull\tОбмен\t0"});
}

TEST_F(NetApiTest, ServerInformationComesBackConverted) {
  setFixture("server\tБУХГАЛТЕРИЯ\t500\t5\t1\t4099\tкомната 12\n");
  SERVER_INFO_101 info;
  EXPECT_EQ(net.NetServerGetInfo("\\\\БУХГАЛТЕРИЯ", info), 0u);
  EXPECT_EQ(info.sv101_name, "БУХГАЛТЕРИЯ");
  EXPECT_EQ(info.sv101_platform_id, 500u);
  EXPECT_EQ(info.sv101_version_major, 5u);
  EXPECT_EQ(info.sv101_type, 4099u);
  EXPECT_EQ(info.sv101_comment, "комната 12");
  setFixture("fail\tNetServerGetInfo\t53\n");
  EXPECT_EQ(net.NetServerGetInfo("\\\\НЕТ", info), 53u);
}

TEST_F(NetApiTest, StatisticsOfBothServicesComeInFieldOrder) {
  // Appended piece by piece: GCC 12 warns falsely on "\t" + string.
  const auto counters = [](std::string line, int first, int last) {
    for (int i = first; i <= last; ++i) {
      line += '\t';
      line += std::to_string(i);
    }
    return line;
  };
  const std::string server = counters("stats\tLanmanServer", 1, 17);
  const std::string workstation =
      counters("stats\tLanmanWorkstation\t1\t5000000000", 3, 40);
  setFixture(server + "\n" + workstation + "\n");
  NetApi::Statistics stats;
  EXPECT_EQ(net.NetStatisticsGet("", "LanmanServer", 0, 0, stats), 0u);
  EXPECT_EQ(stats.server.counters[0], 1u);
  EXPECT_EQ(stats.server.counters[16], 17u);
  EXPECT_EQ(net.NetStatisticsGet("", "LanmanWorkstation", 0, 0, stats), 0u);
  EXPECT_EQ(stats.workstation.largeCounters[1], 5000000000);
  EXPECT_EQ(stats.workstation.largeCounters[12], 13);
  EXPECT_EQ(stats.workstation.counters[0], 14u);
  EXPECT_EQ(stats.workstation.counters[26], 40u);
  setFixture("fail\tNetStatisticsGet\t5\n");
  EXPECT_EQ(net.NetStatisticsGet("\\SRV", "LanmanServer", 0, 0, stats), 5u);
  EXPECT_EQ(callsOf("NetStatisticsGet").back(),
            "NetStatisticsGet\t\\SRV\tLanmanServer\t0\t0");
}

TEST(WinSocketsTest, NamesResolveForReal) {
  WinSockets sockets;
  uint16_t granted = 0;
  ASSERT_EQ(sockets.WSAStartup(0x0202, granted), 0);
  EXPECT_EQ(granted, 0x0202);
  const auto name = sockets.gethostname();
  ASSERT_TRUE(name.has_value());
  EXPECT_FALSE(name->empty());
  const auto loopback = sockets.inet_addr("127.0.0.1");
  ASSERT_TRUE(loopback.has_value());
  EXPECT_EQ(inet_ntoa(*loopback), "127.0.0.1");
  const auto host = sockets.gethostbyaddr(*loopback);
  ASSERT_TRUE(host.has_value());
  EXPECT_FALSE(host->h_name.empty());
  EXPECT_EQ(sockets.inet_addr("БУХГАЛТЕРИЯ"), std::nullopt);
  EXPECT_EQ(sockets.WSACleanup(), 0);
}

TEST(WinRegistryTest, TheRunKeyValueIsSetAndDeletedForReal) {
  constexpr char kRunKey[] =
      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
  WinRegistry registry;
  const auto writer = registry.RegOpenKeyEx(kRunKey, RegAccess::setValue);
  ASSERT_TRUE(writer.has_value());
  EXPECT_TRUE(
      registry.RegSetValueEx(*writer, "Orvane", "C:\\Программы\\Orvane.exe"));
  registry.RegCloseKey(*writer);

  // Read back with the system's own call: a string with its zero.
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                          L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                          0, KEY_READ, &key),
            ERROR_SUCCESS);
  wchar_t data[64] = {};
  DWORD type = 0, bytes = sizeof data;
  EXPECT_EQ(RegQueryValueExW(key, L"Orvane", nullptr, &type,
                             reinterpret_cast<BYTE*>(data), &bytes),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(std::wstring(data), L"C:\\Программы\\Orvane.exe");
  EXPECT_EQ(bytes, (std::wstring(data).size() + 1) * sizeof(wchar_t));

  const auto reader = registry.RegOpenKeyEx(kRunKey, RegAccess::read);
  ASSERT_TRUE(reader.has_value());
  EXPECT_TRUE(registry.RegQueryValueEx(*reader, "Orvane"));
  registry.RegCloseKey(*reader);
  const auto deleter = registry.RegOpenKeyEx(kRunKey, RegAccess::setValue);
  ASSERT_TRUE(deleter.has_value());
  EXPECT_TRUE(registry.RegDeleteValue(*deleter, "Orvane"));
  EXPECT_FALSE(registry.RegDeleteValue(*deleter, "Orvane"));
  registry.RegCloseKey(*deleter);
  EXPECT_FALSE(
      registry.RegOpenKeyEx("SOFTWARE\\Нет такого ключа", RegAccess::read));
}

TEST(WinFileSystemTest, DirectoriesAreToldFromFilesAndMissingPaths) {
  WinFileSystem files;
  CreateDirectoryW(L"Папка", nullptr);
  std::ofstream("file.txt") << "x";
  EXPECT_TRUE(files.isDirectory("Папка"));
  EXPECT_FALSE(files.isDirectory("file.txt"));
  EXPECT_FALSE(files.isDirectory("нет такого"));
}

}  // namespace
}  // namespace ov::win32
