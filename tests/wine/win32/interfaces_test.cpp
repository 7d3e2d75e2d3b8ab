// The interface table of the real machine, as Wine reports it: the
// loopback counters rise by the bytes sent through the loopback.
#include "tests/wine/win32/win32_test.h"

#include "platform/win32/win_interfaces.h"

namespace ov::win32 {
namespace {

constexpr int kDatagrams = 200;
constexpr int kDatagramBytes = 1000;

// Sends datagrams to a socket of its own on 127.0.0.1 and reads them.
bool loopbackTraffic() {
  WSADATA data;
  if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return false;
  SOCKET s = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int length = sizeof address;
  bool sent =
      s != INVALID_SOCKET &&
      bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0;
  char buffer[kDatagramBytes] = {};
  for (int i = 0; sent && i < kDatagrams; ++i) {
    sent = sendto(s, buffer, sizeof buffer, 0,
                  reinterpret_cast<sockaddr*>(&address),
                  sizeof address) == kDatagramBytes &&
           recv(s, buffer, sizeof buffer, 0) == kDatagramBytes;
  }
  closesocket(s);
  WSACleanup();
  return sent;
}

TEST(WinInterfacesTest, LoopbackCountersRiseByTheTrafficSent) {
  WinInterfaces interfaces;
  const auto before = interfaces.GetIfTable();
  ASSERT_TRUE(before.has_value());
  ASSERT_FALSE(before->empty());
  ASSERT_TRUE(loopbackTraffic());
  const auto after = interfaces.GetIfTable();
  ASSERT_TRUE(after.has_value());
  ASSERT_EQ(after->size(), before->size());
  // The loopback has no physical address; it carried both ways.
  bool rose = false;
  for (size_t i = 0; i < after->size(); ++i) {
    const IfRow& was = (*before)[i];
    const IfRow& now = (*after)[i];
    EXPECT_EQ(now.descr, was.descr);
    EXPECT_FALSE(now.descr.empty());
    if (now.physAddrLen == 0 &&
        now.inOctets - was.inOctets >= kDatagrams * kDatagramBytes &&
        now.outOctets - was.outOctets >= kDatagrams * kDatagramBytes)
      rose = true;
  }
  EXPECT_TRUE(rose);
}

}  // namespace
}  // namespace ov::win32
