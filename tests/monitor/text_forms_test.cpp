#include "monitor/text_forms.h"

#include <gtest/gtest.h>

namespace ov::monitor {
namespace {

TEST(DurationTextTest, HoursAreNotBounded) {
  EXPECT_EQ(durationText(0), "0:00:00");
  EXPECT_EQ(durationText(59), "0:00:59");
  EXPECT_EQ(durationText(60), "0:01:00");
  EXPECT_EQ(durationText(3600), "1:00:00");
  EXPECT_EQ(durationText(90061), "25:01:01");
  EXPECT_EQ(durationText(4294967295u), "1193046:28:15");
}

TEST(ProtocolNameTest, FirstTokenInSearchOrderWins) {
  EXPECT_EQ(protocolName("\\Device\\NetBT_Tcpip_{4A2F}"), "TCP-IP");
  EXPECT_EQ(protocolName("\\Device\\NetbiosSmb"), "SMB");
  EXPECT_EQ(protocolName("\\Device\\Nwlnknb"), "NETBIOS");
  EXPECT_EQ(protocolName("\\Device\\NwlnkIpx"), "IPX");
  // Both present: TCP is searched before SMB, LNKNB before IPX.
  EXPECT_EQ(protocolName("smb over tcp"), "TCP-IP");
  EXPECT_EQ(protocolName("nwlnknb-ipx"), "NETBIOS");
  EXPECT_EQ(protocolName("IPX/SMB"), "IPX");
  // No token: shown as reported, not upper-cased.
  EXPECT_EQ(protocolName("\\Device\\Loopback"), "\\Device\\Loopback");
  EXPECT_EQ(protocolName(""), "");
}

TEST(PermissionTextTest, LowThreeBitsPickTheText) {
  EXPECT_EQ(permissionText(0), "");
  EXPECT_EQ(permissionText(1), "чтение");
  EXPECT_EQ(permissionText(2), "запись");
  EXPECT_EQ(permissionText(3), "R/W");
  EXPECT_EQ(permissionText(4), "создан");
  EXPECT_EQ(permissionText(5), "C/R");
  EXPECT_EQ(permissionText(6), "C/W");
  EXPECT_EQ(permissionText(7), "C/R/W");
  // Higher bits (execute, attributes, permissions) do not show.
  EXPECT_EQ(permissionText(0x23), "R/W");
  EXPECT_EQ(permissionText(0x10), "");
}

}  // namespace
}  // namespace ov::monitor
