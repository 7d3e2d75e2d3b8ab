// The Linux ports the runner uses for real: the interface table from
// /proc/net/dev, echoes through an ICMP socket and the report programs
// started and waited for.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/posix/posix_icmp.h"
#include "platform/posix/posix_process.h"
#include "platform/posix/posix_sockets.h"
#include "platform/posix/proc_net_dev.h"
#include "platform/posix/process_start.h"
#include "platform/posix/tcp_reach.h"

namespace ov::posix {
namespace {

std::filesystem::path freshFolder(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() /
                   (name + "_" + std::to_string(getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

void put(const std::filesystem::path& file, const std::string& text) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file) << text;
}

TEST(ProcNetDev, RowsComeInIndexOrderWithTheirCountersCutTo32Bits) {
  const auto root = freshFolder("ov_proc_net_dev");
  put(root / "proc/net/dev",
      "Inter-|   Receive |  Transmit\n"
      " face |bytes    packets|bytes\n"
      "  eth0: 4294967396 1 0 0 0 0 0 0 2048 3 0 0 0 0 0 0\n"
      "    lo:  1024 2 0 0 0 0 0 0  1024 2 0 0 0 0 0 0\n");
  put(root / "sys/class/net/eth0/ifindex", "2\n");
  put(root / "sys/class/net/eth0/address", "52:54:00:12:34:56\n");
  put(root / "sys/class/net/lo/ifindex", "1\n");
  put(root / "sys/class/net/lo/address", "00:00:00:00:00:00\n");
  const auto rows = ProcNetDev(root.string() + "/").GetIfTable();
  ASSERT_TRUE(rows.has_value());
  ASSERT_EQ(rows->size(), 2u);
  EXPECT_EQ((*rows)[0].descr, "lo");
  EXPECT_EQ((*rows)[0].physAddrLen, 0u);
  EXPECT_EQ((*rows)[1].descr, "eth0");
  EXPECT_EQ((*rows)[1].physAddrLen, 6u);
  EXPECT_EQ((*rows)[1].inOctets, 100u);  // 2^32 + 100
  EXPECT_EQ((*rows)[1].outOctets, 2048u);
  std::filesystem::remove_all(root);
  EXPECT_FALSE(ProcNetDev(root.string() + "/").GetIfTable().has_value());
}

TEST(ProcNetDev, TheLoopbackCountsTrafficSentThroughIt) {
  ProcNetDev table;
  const auto lo = [&] {
    const auto rows = table.GetIfTable();
    for (const IfRow& row : rows.value_or(std::vector<IfRow>{}))
      if (row.descr == "lo") return row;
    return IfRow{};
  };
  const IfRow before = lo();
  if (before.descr.empty()) GTEST_SKIP() << "no loopback interface";
  const int s = socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ASSERT_EQ(bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(getsockname(s, reinterpret_cast<sockaddr*>(&address), &length), 0);
  char buffer[1000] = {};
  for (int i = 0; i < 100; ++i) {
    ASSERT_EQ(sendto(s, buffer, sizeof buffer, 0,
                     reinterpret_cast<sockaddr*>(&address), sizeof address),
              1000);
    ASSERT_EQ(recv(s, buffer, sizeof buffer, 0), 1000);
  }
  close(s);
  const IfRow after = lo();
  EXPECT_GE(after.inOctets - before.inOctets, 100000u);
  EXPECT_GE(after.outOctets - before.outOctets, 100000u);
}

TEST(PosixIcmp, TheLoopbackAnswersWhereTheSystemLetsThisProgramPing) {
  PosixIcmp icmp;
  const InAddr loopback = htonl(INADDR_LOOPBACK);
  // An odd length of data checks the padding of the checksum.
  const std::string_view data = "--- Orvane Pinger ---";
  const IP_OPTION_INFORMATION options;
  ICMP_ECHO_REPLY reply;
  if (icmp.LoadIcmpLibrary() == IcmpPort::Library::notAllowed) {
    // Refused sockets leave no handle, and nothing is sent without one.
    EXPECT_EQ(icmp.IcmpCreateFile(), 0u);
    EXPECT_EQ(icmp.IcmpSendEcho(0, loopback, data, options, reply, 100), 0u);
    return;
  }
  ASSERT_EQ(icmp.LoadIcmpLibrary(), IcmpPort::Library::loaded);
  const IcmpPort::Handle handle = icmp.IcmpCreateFile();
  ASSERT_NE(handle, 0u);
  for (int echo = 0; echo < 2; ++echo) {
    reply = {};
    ASSERT_EQ(icmp.IcmpSendEcho(handle, loopback, data, options, reply, 1000),
              1u);
    EXPECT_EQ(reply.Address, loopback);
    EXPECT_EQ(reply.Status, 0u);
    EXPECT_GT(reply.Ttl, 0);
    EXPECT_LT(reply.RoundTripTime, 1000u);
  }
  icmp.IcmpCloseHandle(handle);
}

TEST(PosixProcess, QuotedItemsStayWholeAndAMissingProgramDoesNotStart) {
  const auto dir = freshFolder("ov_posix_process");
  const auto script = dir / "report tool";
  put(script,
      "#!/bin/sh\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/args\"\nexit 4\n");
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  PosixProcess processes;
  // A Windows program name runs as the native program of that name.
  // Its exit code comes back.
  EXPECT_EQ(processes.CreateProcess(
                "\"" + script.string() + ".exe\"  \"a b\" c>report.txt",
                kHiddenConsole),
            4);
  std::ifstream in(dir / "args");
  std::string args;
  std::getline(in, args);
  EXPECT_EQ(args, "a b|c>report.txt|");
  EXPECT_EQ(processes.CreateProcess("\"" + (dir / "none.exe").string() + "\" x",
                                    kHiddenConsole),
            std::nullopt);
  std::filesystem::remove_all(dir);
}

TEST(PosixSockets, NamesComeFromTheMachinesResolver) {
  PosixSockets sockets;
  uint16_t granted = 0;
  EXPECT_EQ(sockets.WSAStartup(0x0202, granted), 0);
  EXPECT_EQ(granted, 0x0202);
  const auto loopback = sockets.inet_addr("127.0.0.1");
  ASSERT_TRUE(loopback);
  EXPECT_EQ(*loopback, htonl(INADDR_LOOPBACK));
  EXPECT_FALSE(sockets.inet_addr("localhost"));
  EXPECT_FALSE(sockets.inet_addr("10.0.0.256"));
  // The hosts file knows the loopback both ways; nothing leaves the machine.
  const auto byName = sockets.gethostbyname("localhost");
  ASSERT_TRUE(byName);
  ASSERT_FALSE(byName->h_addr_list.empty());
  EXPECT_EQ(inet_ntoa(byName->h_addr_list.front()), "127.0.0.1");
  const auto byAddress = sockets.gethostbyaddr(*loopback);
  ASSERT_TRUE(byAddress);
  EXPECT_FALSE(byAddress->h_name.empty());
  EXPECT_EQ(byAddress->h_addr_list, std::vector<InAddr>{*loopback});
  const auto self = sockets.gethostname();
  ASSERT_TRUE(self);
  EXPECT_FALSE(self->empty());
}

TEST(ProcessStart, TheOldestProcessOfTheNameGivesTheStart) {
  const auto root = freshFolder("ov_process_start");
  const long hz = ::sysconf(_SC_CLK_TCK);
  put(root / "stat", "cpu 1 2 3\nbtime 1700000000\nprocesses 9\n");
  // The name in parentheses may hold blanks and parentheses.
  const auto process = [&](const std::string& pid, const std::string& name,
                           long seconds) {
    put(root / pid / "comm", name + "\n");
    put(root / pid / "stat", pid + " (" + name +
                                 ") S 1 1 1 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 " +
                                 std::to_string(seconds * hz) + " 0 0\n");
  };
  process("300", "smbd", 50);
  process("200", "smbd", 20);
  process("100", "smbd x (y)", 5);
  process("150", "other", 1);
  put(root / "self" / "comm", "smbd\n");  // not a process number
  EXPECT_EQ(oldestProcessStart("smbd", root.string() + "/"), 1700000020);
  EXPECT_EQ(oldestProcessStart("smbd x (y)", root.string() + "/"), 1700000005);
  EXPECT_FALSE(oldestProcessStart("nmbd", root.string() + "/").has_value());
  std::filesystem::remove_all(root);
  EXPECT_FALSE(oldestProcessStart("smbd", root.string() + "/").has_value());
}

TEST(TcpReach, AListenerAndARefusalAnswerAndAnUnknownNameHasNoAddress) {
  const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_GE(listener, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(
      ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address),
      0);
  socklen_t size = sizeof address;
  ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
  const std::string port = std::to_string(ntohs(address.sin_port));
  // Bound but not listening: the port refuses, so a computer is there.
  EXPECT_EQ(tcpReach("127.0.0.1", port, 2000), TcpReach::Answers);
  ASSERT_EQ(::listen(listener, 1), 0);
  EXPECT_EQ(tcpReach("127.0.0.1", port, 2000), TcpReach::Answers);
  ::close(listener);
  EXPECT_EQ(tcpReach("no such host", port, 2000), TcpReach::Unresolved);
}

}  // namespace
}  // namespace ov::posix
