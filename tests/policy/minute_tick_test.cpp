// The minute tick's idle checks: the idle kick by the settings page, and
// sessions idle ever since they were set up.
#include <gtest/gtest.h>

#include "lan_form.h"
#include "policy_support.h"

namespace ov::test {
namespace {

using Lines = std::vector<std::string>;

TEST(IdleKick, KickTimeZeroKicksEverySessionAtEveryMinuteTick) {
  LanForm lan(R"(
0 ui spin kicktime 0
0 connect PC1 ivan busy reconnect=1
0 connect PC2 petr reconnect=1
)");
  EXPECT_TRUE(lan.form().settingsPage().mochilkabox.checked());
  EXPECT_EQ(lan.form().runState().Timer2.interval(), 60000u);
  lan.runUntil(59.9);
  EXPECT_TRUE(lan.calls("NetSessionDel").empty());
  lan.runUntil(60);
  const Lines minute{sessionDel("PC1", "ivan"), sessionDel("PC2", "petr")};
  EXPECT_EQ(lan.calls("NetSessionDel"), minute);
  lan.runUntil(120);
  Lines twoMinutes = minute;
  twoMinutes.insert(twoMinutes.end(), minute.begin(), minute.end());
  EXPECT_EQ(lan.calls("NetSessionDel"), twoMinutes);
}

TEST(IdleKick, IdleMinutesCountWholeMinutesAndFollowTheSwitch) {
  // PC1 is idle from 0, PC2 from 30; the limit is one minute.
  LanForm lan(R"(
0 ui spin kicktime 1
0 connect PC1 ivan
0 connect PC2 petr
30 touch PC2 petr
)");
  lan.runUntil(60);
  EXPECT_EQ(lan.calls("NetSessionDel"), Lines{sessionDel("PC1", "ivan")});
  lan.runUntil(119);
  EXPECT_EQ(lan.calls("NetSessionDel").size(), 1u);
  lan.runUntil(120);
  EXPECT_EQ(lan.calls("NetSessionDel"),
            (Lines{sessionDel("PC1", "ivan"), sessionDel("PC2", "petr")}));

  LanForm off(R"(
0 ui check mochilkabox 0
0 ui spin kicktime 0
0 connect PC1 ivan busy
)");
  off.runUntil(180);
  EXPECT_EQ(off.form().keptSettings().AutoKick, 0);
  EXPECT_TRUE(off.calls("NetSessionDel").empty());
}

TEST(IdleKick, SessionIdleSinceSetupGoesAfterAMinuteWhateverTheSwitch) {
  // At the tick of 120 s PC1 has been there, idle, 61 s; PC2 59 s; PC3 has
  // been active.
  LanForm lan(R"(
0 ui check mochilkabox 0
0 connect PC3 olga
30 touch PC3 olga
59 connect PC1 ivan
61 connect PC2 petr
)");
  lan.runUntil(119);
  EXPECT_TRUE(lan.calls("NetSessionDel").empty());
  lan.runUntil(120);
  EXPECT_EQ(lan.calls("NetSessionDel"), Lines{sessionDel("PC1", "ivan")});
  lan.runUntil(180);
  EXPECT_EQ(lan.calls("NetSessionDel"),
            (Lines{sessionDel("PC1", "ivan"), sessionDel("PC2", "petr")}));
  lan.runUntil(600);
  EXPECT_EQ(lan.calls("NetSessionDel").size(), 2u);
}

TEST(IdleKick, MinuteTickAsksTheWatchedServer) {
  LanForm lan(R"(
0 server FS1
0 connect PC1 ivan on=FS1 busy
0 ui text Edit1 fs1
0 ui key Edit1 enter
0 ui spin kicktime 0
)");
  lan.runUntil(60);
  EXPECT_EQ(lan.calls("NetSessionDel"),
            Lines{R"(["\\\\FS1", "\\\\PC1", "ivan"])"});
}

}  // namespace
}  // namespace ov::test
