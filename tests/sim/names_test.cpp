#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/sim/sim_text.h"
#include "sim_run.h"

namespace ov::sim::testing {
namespace {

using ::testing::ElementsAre;

TEST(SimNames, HostLinesResolveBothWaysUnlessNoreverse) {
  SimRun run(
      "0 host BUH-1 192.168.1.21\n"
      "0 host BUH-1 10.0.0.21\n"
      "0 host LAPTOP 192.168.1.35 noreverse\n");
  run.runTo(0);
  Sockets& net = run.lan.sockets();
  uint16_t granted = 0;
  EXPECT_EQ(net.WSAStartup(0x0202, granted), 0);
  EXPECT_EQ(granted, 0x0202);

  const auto buh = net.gethostbyname("buh-1");
  ASSERT_TRUE(buh);
  EXPECT_EQ(buh->h_name, "BUH-1");
  ASSERT_EQ(buh->h_addr_list.size(), 2u);
  EXPECT_EQ(inet_ntoa(buh->h_addr_list[0]), "192.168.1.21");
  EXPECT_EQ(inet_ntoa(buh->h_addr_list[1]), "10.0.0.21");

  const auto back = net.gethostbyaddr(*net.inet_addr("10.0.0.21"));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->h_name, "BUH-1");
  EXPECT_THAT(back->h_addr_list, ElementsAre(*net.inet_addr("10.0.0.21")));

  ASSERT_TRUE(net.gethostbyname("LAPTOP"));
  EXPECT_FALSE(net.gethostbyaddr(*net.inet_addr("192.168.1.35")));
  EXPECT_FALSE(net.gethostbyname("SKLAD"));
  EXPECT_FALSE(net.gethostbyaddr(*net.inet_addr("192.168.1.99")));
}

TEST(SimNames, InetAddrTakesOnlyStrictDottedAddresses) {
  SimRun run("");
  Sockets& net = run.lan.sockets();
  const auto address = net.inet_addr("10.1.2.254");
  ASSERT_TRUE(address);
  EXPECT_EQ(inet_ntoa(*address), "10.1.2.254");
  for (const char* text : {"0.0.0.0", "255.255.255.255", "1.20.100.9"})
    EXPECT_EQ(inet_ntoa(*net.inet_addr(text)), text);
  for (const char* bad : {"", "BUH-1", "10.1.2", "10.1.2.3.4", "10.1.2.256",
                          "10.01.2.3", "10..2.3", "10.1.2.3 ", "-1.2.3.4"})
    EXPECT_FALSE(net.inet_addr(bad)) << bad;
}

TEST(SimNames, LocalHostNameAndFailingSocketCalls) {
  SimRun defaults("");
  EXPECT_EQ(defaults.lan.sockets().gethostname(), "ORVANE-PC");

  SimRun run(
      "0 localhost SERVER1\n"
      "0 host SERVER1 10.0.0.1\n"
      "0 fail WSAStartup 10091\n"
      "0 fail gethostbyname 11001 count=always\n");
  run.runTo(0);
  Sockets& net = run.lan.sockets();
  EXPECT_EQ(net.gethostname(), "SERVER1");
  uint16_t granted = 0;
  EXPECT_EQ(net.WSAStartup(0x0202, granted), 10091);
  EXPECT_EQ(net.WSAStartup(0x0202, granted), 0);
  EXPECT_FALSE(net.gethostbyname("SERVER1"));
  EXPECT_FALSE(net.gethostbyname("SERVER1"));
  EXPECT_TRUE(net.gethostbyaddr(*net.inet_addr("10.0.0.1")));
}

TEST(SimNames, DirectoriesMatchTheWholePathInAnyCase) {
  SimRun run(
      "0 dir D:\\Docs\n"
      "0 dir \"D:\\Docs\\Отчёты\"\n");
  run.runTo(0);
  FileSystem& fs = run.lan.fileSystem();
  EXPECT_TRUE(fs.isDirectory("D:\\Docs"));
  EXPECT_TRUE(fs.isDirectory("d:\\DOCS"));
  EXPECT_TRUE(fs.isDirectory("D:\\docs\\ОТЧЁТЫ"));
  EXPECT_FALSE(fs.isDirectory("D:\\Docs\\a.doc"));
  EXPECT_FALSE(fs.isDirectory("D:\\Doc"));
  EXPECT_FALSE(fs.isDirectory("D:\\Docs\\"));
}

TEST(SimNames, SoundDeviceAndJournaledSounds) {
  SimRun run("10 sound off\n");
  Sound& sound = run.lan.sound();
  EXPECT_EQ(sound.waveOutGetNumDevs(), 1u);
  run.clock.ms = 1500;
  EXPECT_TRUE(sound.PlaySound("connect.wav"));
  run.runTo(10);
  EXPECT_EQ(sound.waveOutGetNumDevs(), 0u);
  EXPECT_FALSE(sound.PlaySound("C:\\Мои звуки\\ding.wav"));
  EXPECT_THAT(
      run.journal.lines(),
      ElementsAre(
          R"({"t": 1.500, "call": "PlaySound", "args": ["connect.wav"]})",
          R"({"t": 10.000, "call": "PlaySound", "args": ["C:\\Мои звуки\\ding.wav"]})"));
}

TEST(SimNames, WorldKeepsWhatLaterPortsWillServe) {
  SimRun run(
      "0 iface \"Realtek GBE\" in=4294967000 out=100 rate_in=100 rate_out=10\n"
      "0 iface Loopback phys=0\n"
      "0 ping 10.0.0.1 rtt=3 ttl=64\n"
      "0 ping 10.0.0.2 timeout\n"
      "0 ping 10.0.0.3 status=11010\n"
      "0 service 7\n"
      "0 service deny\n"
      "0 stats server sts0_fopens=42 sts0_bytessent_low=1024\n"
      "0 stats workstation BytesReceived=5000000000\n"
      "0 mailslot Buh-1 accept\n"
      "0 mailslot SKLAD refuse\n"
      "0 autorun present\n"
      "0 hotkey taken 1 122\n"
      "20 counters \"Realtek GBE\" in=10 out=20\n");
  World& w = run.lan.world();
  run.runTo(5);
  ASSERT_EQ(w.interfaces().size(), 2u);
  const Interface& nic = w.interfaces()[0];
  EXPECT_EQ(nic.physLength, 6u);
  EXPECT_EQ(nic.inOctetsAt(run.clock.ms), 204u);  // wrapped at 2^32
  EXPECT_EQ(nic.outOctetsAt(run.clock.ms), 150u);
  EXPECT_EQ(w.interfaces()[1].physLength, 0u);
  run.runTo(21.5);
  EXPECT_EQ(nic.inOctetsAt(run.clock.ms), 160u);
  EXPECT_EQ(nic.outOctetsAt(run.clock.ms), 35u);

  const auto answer = [&](const char* a) {
    return w.pingAnswer(*parseDottedAddress(a));
  };
  EXPECT_EQ(answer("10.0.0.1").kind, PingAnswer::Kind::Reply);
  EXPECT_EQ(answer("10.0.0.1").rttMs, 3u);
  EXPECT_EQ(answer("10.0.0.1").ttl, 64u);
  EXPECT_EQ(answer("10.0.0.2").kind, PingAnswer::Kind::Timeout);
  EXPECT_EQ(answer("10.0.0.3").kind, PingAnswer::Kind::Status);
  EXPECT_EQ(answer("10.0.0.3").status, 11010u);
  EXPECT_EQ(answer("10.0.0.9").kind, PingAnswer::Kind::Timeout);

  EXPECT_EQ(w.service().state, 7u);
  EXPECT_TRUE(w.service().managerDenied);
  EXPECT_EQ(w.serverStats().at("sts0_fopens"), 42);
  EXPECT_EQ(w.serverStats().at("sts0_bytessent_low"), 1024);
  EXPECT_EQ(w.workstationStats().at("BytesReceived"), 5000000000);
  EXPECT_TRUE(w.mailslotAccepts("\\\\BUH-1"));
  EXPECT_FALSE(w.mailslotAccepts("SKLAD"));
  EXPECT_FALSE(w.mailslotAccepts("OTHER"));
  EXPECT_TRUE(w.autorunPresent());
  EXPECT_TRUE(w.hotKeyTaken(1, 122));
  EXPECT_FALSE(w.hotKeyTaken(1, 123));
}

}  // namespace
}  // namespace ov::sim::testing
