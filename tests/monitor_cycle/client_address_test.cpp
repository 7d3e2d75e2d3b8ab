// The address the cycle resolves for each session's client.
#include <gtest/gtest.h>

#include "lan_form.h"

namespace ov::test {
namespace {

TEST(ClientAddress, ResolvedForEverySessionOnEveryCycle) {
  LanForm lan(R"(
0 host PC1 10.0.0.1
0 host GHOST 10.0.0.9 noreverse
0 host PC2 10.0.0.2
0 connect PC1 ivan
0 connect 10.0.0.9 petr
0 connect 10.0.0.2 olga
0 connect NONAME anna
1.5 host NONAME 10.0.0.4
2.5 fail WSAStartup 10091
)");
  lan.runUntil(1);
  const monitor::SessionAddresses& addresses =
      lan.form().monitorParts().sessionAddresses;
  EXPECT_EQ(addresses.addressOf("PC1"), "10.0.0.1");
  // A dotted name without a reverse entry does not resolve.
  EXPECT_EQ(addresses.addressOf("10.0.0.9"), "1.1.1.1");
  EXPECT_EQ(addresses.addressOf("10.0.0.2"), "10.0.0.2");
  EXPECT_EQ(addresses.addressOf("NONAME"), "1.1.1.1");
  EXPECT_EQ(addresses.addressOf("pc1"), std::nullopt);

  // Nothing is kept from one cycle to the next.
  lan.runUntil(2);
  EXPECT_EQ(addresses.addressOf("NONAME"), "10.0.0.4");

  // Without Windows Sockets the first client gets no address.
  lan.runUntil(3);
  EXPECT_EQ(addresses.addressOf("PC1"), "1.1.1.1");
  EXPECT_EQ(addresses.addressOf("NONAME"), "10.0.0.4");
}

}  // namespace
}  // namespace ov::test
