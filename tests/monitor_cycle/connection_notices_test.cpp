// Announcing new connections: the two balloons, the connect sound, and the
// switches that silence them.
#include <gtest/gtest.h>

#include <algorithm>

#include "lan_form.h"

namespace ov::test {
namespace {

// A journaled balloon announcing a connection.
std::string connectedBalloon(const std::string& text) {
  return "[\"Подключился:\", \"" + text + "\", 5000]";
}

const std::string kIvanBalloon = connectedBalloon("PC1 (ivan)");

long count(const std::vector<std::string>& lines, const std::string& line) {
  return std::count(lines.begin(), lines.end(), line);
}

TEST(ConnectionNotices, NewConnectionShowsTwoBalloonsAroundTheSound) {
  LanForm lan(R"(
0 ui check cb_conninfo 1
0 ui check cb_connsound 1
0 connect PC1 ivan
0 connect PC9 ""
3.5 connect PC2 petr
)");
  lan.runUntil(3);
  EXPECT_EQ(lan.calls("Balloon"),
            (std::vector<std::string>{kIvanBalloon, kIvanBalloon}));
  EXPECT_EQ(lan.calls("PlaySound"),
            std::vector<std::string>{R"(["connect.wav"])"});
  const auto names = lan.callNames();
  const auto sound = std::find(names.begin(), names.end(), "PlaySound");
  ASSERT_NE(sound, names.end());
  EXPECT_EQ(*(sound - 1), "Balloon");
  EXPECT_EQ(*(sound + 1), "Balloon");

  // The next connection is announced once too; the first is not again.
  lan.runUntil(5);
  EXPECT_EQ(count(lan.calls("Balloon"), kIvanBalloon), 2);
  EXPECT_EQ(count(lan.calls("Balloon"), connectedBalloon("PC2 (petr)")), 2);
  EXPECT_EQ(lan.calls("PlaySound").size(), 2u);
}

TEST(ConnectionNotices, SoundNeedsTheSwitchAndAWaveDevice) {
  LanForm lan(R"(
0 ui check cb_conninfo 1
0 ui check cb_connsound 0
0 connect PC1 ivan
1.5 ui check cb_connsound 1
1.5 sound off
1.5 connect PC2 petr
2.5 sound on
2.5 connect PC3 olga
)");
  lan.runUntil(1);
  EXPECT_EQ(count(lan.calls("Balloon"), kIvanBalloon), 2);
  EXPECT_TRUE(lan.calls("PlaySound").empty());
  lan.runUntil(2);
  EXPECT_EQ(lan.calls("Balloon").size(), 4u);
  EXPECT_TRUE(lan.calls("PlaySound").empty());
  lan.runUntil(3);
  EXPECT_EQ(lan.calls("PlaySound"),
            std::vector<std::string>{R"(["connect.wav"])"});
}

TEST(ConnectionNotices, NoNoticeWhileInformingIsOff) {
  LanForm lan(R"(
0 ui check cb_conninfo 0
0 ui check cb_connsound 1
0 connect PC1 ivan
2.5 ui check cb_conninfo 1
2.5 connect PC2 petr
)");
  lan.runUntil(2);
  EXPECT_TRUE(lan.calls("Balloon").empty());
  EXPECT_TRUE(lan.calls("PlaySound").empty());

  // Tracked all along, so it is not new once informing is on.
  lan.runUntil(4);
  EXPECT_EQ(lan.calls("Balloon"),
            (std::vector<std::string>{connectedBalloon("PC2 (petr)"),
                                      connectedBalloon("PC2 (petr)")}));
}

TEST(ConnectionNotices, RemoteConnectionIsAnnouncedOnce) {
  LanForm lan(R"(
0 ui check cb_conninfo 1
0 ui text Edit1 srv1
0 ui key Edit1 enter
0 connect PC7 olga on=SRV1
)");
  lan.runUntil(6);
  EXPECT_EQ(lan.calls("Balloon").front(), connectedBalloon("PC7 (olga)"));
  EXPECT_EQ(count(lan.calls("Balloon"), connectedBalloon("PC7 (olga)")), 2);
}

TEST(ConnectionNotices, ReconnectionAfterAnEndIsNewAgain) {
  LanForm lan(R"(
0 ui check cb_conninfo 1
0 connect PC1 ivan
1.5 disconnect PC1 ivan
2.5 connect PC1 ivan
)");
  lan.runUntil(4);
  EXPECT_EQ(count(lan.calls("Balloon"), kIvanBalloon), 4);
}

}  // namespace
}  // namespace ov::test
