// The pinger: echo series through the echo port, the lines they leave in
// the results box, the timeout box and the host list.
#include <gtest/gtest.h>

#include <string>

#include "lan_form.h"

namespace ov::test {
namespace {

using Calls = std::vector<std::string>;

std::string echo(const char* address, int timeout) {
  return std::string(R"([")") + address + R"(", )" + std::to_string(timeout) +
         R"(, "--- Orvane Pinger ---"])";
}

TEST(Pinger, AReachableHostGivesFourRepliesAndPingsAccumulate) {
  LanForm lan(
      "0 host SRV1 10.0.0.5\n"
      "0 ping 10.0.0.5 rtt=3 ttl=120\n"
      "1 ui click mnu_pinger\n"
      "1 ui dialog combo srv1\n"
      "1 ui dialog click Пинг\n"
      "2 ui dialog combo SRV1\n"
      "2 ui dialog edit2 0\n"
      "2 ui dialog click Пинг\n");
  std::vector<MemoAndList> seen;
  recordAfterBranch(lan.form().toolDialogs().dialogBranches.ping,
                    lan.form().toolDialogs().currentDialog, seen);
  lan.runUntil(3);
  const std::string block =
      "Pinging SRV1 [10.0.0.5]\r\n"
      "Reply from 10.0.0.5  Time=3ms  TTL=120\r\n"
      "Reply from 10.0.0.5  Time=3ms  TTL=120\r\n"
      "Reply from 10.0.0.5  Time=3ms  TTL=120\r\n"
      "Reply from 10.0.0.5  Time=3ms  TTL=120\r\n";
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].memo, block);
  EXPECT_EQ(seen[1].memo, block + block);
  // The host is listed once, whatever its letter case.
  EXPECT_EQ(seen[1].list, (std::vector<std::string>{"", "srv1"}));
  const std::string first = echo("10.0.0.5", 5000);
  const std::string second = echo("10.0.0.5", 0);
  EXPECT_EQ(lan.calls("IcmpSendEcho"), (Calls{first, first, first, first,
                                              second, second, second, second}));
}

TEST(Pinger, TimeoutsAboveSixteenBitsAndTimeoutsThatAreNoNumber) {
  LanForm lan(
      "0 ping 10.0.0.5\n"
      "1 ui click mnu_pinger\n"
      "1 ui dialog combo 10.0.0.5\n"
      "1 ui dialog edit2 70000\n"
      "1 ui dialog click Пинг\n"
      "2 ui dialog combo other\n"
      "2 ui dialog edit2 \"5 s\"\n"
      "2 ui dialog click Пинг\n");
  std::vector<MemoAndList> seen;
  recordAfterBranch(lan.form().toolDialogs().dialogBranches.ping,
                    lan.form().toolDialogs().currentDialog, seen);
  lan.runUntil(3);
  // 70000 ms waits the longest the field holds, not 4464 ms.
  const std::string clamped = echo("10.0.0.5", 65535);
  EXPECT_EQ(lan.calls("IcmpSendEcho"),
            (Calls{clamped, clamped, clamped, clamped}));
  // An address without a name is pinged by its address.
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].memo.substr(0, 27), "Pinging 10.0.0.5 [10.0.0.5]");
  // The bad timeout is the framework's error; the host was remembered.
  EXPECT_EQ(lan.calls("MessageBox"),
            (Calls{R"(["Orvane", "'5 s' is not a valid integer value", 16])"}));
  EXPECT_EQ(seen[1].list, (std::vector<std::string>{"", "10.0.0.5", "other"}));
  EXPECT_EQ(seen[1].memo, seen[0].memo);
}

TEST(Pinger, UnknownHostsLongHostsTimeoutsAndErrorStatus) {
  LanForm lan(
      "0 ping 10.0.0.7 status=11003\n"
      "0 host FAR 10.0.0.8\n"
      "1 ui click mnu_pinger\n"
      "1 ui dialog combo nohost\n"
      "1 ui dialog click Пинг\n"
      "1 ui dialog combo abcdefghijklmnopqrst\n"
      "1 ui dialog click Пинг\n"
      "1 ui dialog combo 10.0.0.7\n"
      "1 ui dialog click Пинг\n"
      "1 ui dialog combo far\n"
      "1 ui dialog edit2 100\n"
      "1 ui dialog click Пинг\n");
  std::vector<MemoAndList> seen;
  recordAfterBranch(lan.form().toolDialogs().dialogBranches.ping,
                    lan.form().toolDialogs().currentDialog, seen);
  lan.runUntil(2);
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[0].memo, "NOHOST not found\r\n");
  // Twenty characters do not fit the host's buffer.
  EXPECT_EQ(seen[1].memo,
            "NOHOST not found\r\nABCDEFGHIJKLMNOPQRST not found\r\n");
  // A status in the reply ends the series at its first echo.
  EXPECT_EQ(seen[2].memo.substr(seen[1].memo.size()),
            "Pinging 10.0.0.7 [10.0.0.7]\r\n"
            "Ошибка при пинговании хоста\r\n"
            "Error: icmpEcho.Status=11003\r\n");
  // An address that never answers: four failed echoes.
  std::string timedOut = "Pinging FAR [10.0.0.8]\r\n";
  for (int n = 0; n < 4; ++n) timedOut += "Ошибка при пинговании хоста\r\n";
  EXPECT_EQ(seen[3].memo.substr(seen[2].memo.size()), timedOut);
  EXPECT_EQ(lan.calls("IcmpSendEcho").size(), 5u);
}

TEST(Pinger, SocketsThatFailOrGrantAnotherVersionSendNothing) {
  LanForm lan(
      "0 fail WSAStartup 10091\n"
      "0 ping 10.0.0.5\n"
      "1 ui click mnu_pinger\n"
      "1 ui dialog combo 10.0.0.5\n"
      "1 ui dialog click Пинг\n"
      "2 winsock 2.0\n"
      "2 ui dialog click Пинг\n");
  std::vector<MemoAndList> seen;
  recordAfterBranch(lan.form().toolDialogs().dialogBranches.ping,
                    lan.form().toolDialogs().currentDialog, seen);
  lan.runUntil(3);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].memo,
            "WSAStartup() error: 10091\r\n"
            "WinSock version 1.1 not supported\r\n");
  EXPECT_TRUE(lan.calls("IcmpSendEcho").empty());
}

// This machine's echo port as the sim sees it: it answers each echo with
// the reply given, or refuses its sockets.
class MachineEchoes : public IcmpPort {
 public:
  explicit MachineEchoes(Library library) : library_(library) {}
  Library LoadIcmpLibrary() override { return library_; }
  void FreeIcmpLibrary() override {}
  Handle IcmpCreateFile() override { return ++opened; }
  uint32_t IcmpSendEcho(Handle, InAddr destination, std::string_view data,
                        const IP_OPTION_INFORMATION& options,
                        ICMP_ECHO_REPLY& reply, uint32_t timeoutMs) override {
    sent.push_back(inet_ntoa(destination) + " " + std::string(data) + " " +
                   std::to_string(options.Ttl) + " " +
                   std::to_string(timeoutMs));
    reply = {destination, 0, 7, 64};
    return 1;
  }
  void IcmpCloseHandle(Handle) override { ++closed; }

  std::vector<std::string> sent;
  Handle opened = 0;
  Handle closed = 0;

 private:
  Library library_;
};

constexpr char kPingTheMachine[] =
    "0 ping 127.0.0.1 machine\n"
    "1 ui click mnu_pinger\n"
    "1 ui dialog combo 127.0.0.1\n"
    "1 ui dialog click Пинг\n";

TEST(Pinger, AnAddressGivenToTheMachineGoesToItsOwnEchoPort) {
  LanForm lan(kPingTheMachine);
  MachineEchoes machine(IcmpPort::Library::loaded);
  lan.icmp().setMachineEchoes(&machine);
  std::vector<MemoAndList> seen;
  recordAfterBranch(lan.form().toolDialogs().dialogBranches.ping,
                    lan.form().toolDialogs().currentDialog, seen);
  lan.runUntil(2);
  std::string replies = "Pinging 127.0.0.1 [127.0.0.1]\r\n";
  for (int n = 0; n < 4; ++n)
    replies += "Reply from 127.0.0.1  Time=7ms  TTL=64\r\n";
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].memo, replies);
  const std::string request = "127.0.0.1 --- Orvane Pinger --- 255 5000";
  EXPECT_EQ(machine.sent, (Calls{request, request, request, request}));
  // Every handle opened for an echo is closed again.
  EXPECT_EQ(machine.opened, 4u);
  EXPECT_EQ(machine.closed, 4u);
  EXPECT_EQ(lan.calls("IcmpSendEcho").size(), 4u);
}

TEST(Pinger, AMachineThatRefusesItsEchoSocketsSaysSo) {
  LanForm lan(kPingTheMachine);
  MachineEchoes machine(IcmpPort::Library::notAllowed);
  lan.icmp().setMachineEchoes(&machine);
  std::vector<MemoAndList> seen;
  recordAfterBranch(lan.form().toolDialogs().dialogBranches.ping,
                    lan.form().toolDialogs().currentDialog, seen);
  lan.runUntil(2);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].memo,
            "Could not open an ICMP socket: not allowed "
            "(net.ipv4.ping_group_range)\r\n");
  EXPECT_TRUE(machine.sent.empty());
  EXPECT_TRUE(lan.calls("IcmpSendEcho").empty());
}

}  // namespace
}  // namespace ov::test
