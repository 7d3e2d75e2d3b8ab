// Rules acting on the events of the monitor cycle and the file log: which
// rules an event picks, and what their actions do to the world.
#include <gtest/gtest.h>

#include "rules_lan.h"

namespace ov::test {
namespace {

using Strings = std::vector<std::string>;

constexpr int kConnected = 0, kFileOpened = 1, kConnectionTime = 2;
constexpr int kDisconnect = 0, kPlaySound = 1, kWarn = 2;
constexpr int kOnce = 1, kAlways = 255;

TEST(RuleEvents, ConnectRulesForEveryAddressActOnNewConnectionsWhileAnnounced) {
  LanForm lan(
      "0 host PC1 10.0.0.11\n"
      "0 host PC2 10.0.0.12\n"
      "0 host PC3 10.0.0.13\n"
      "0 host PC4 10.0.0.14\n"
      "2 connect PC1 ivan\n"
      "5 ui check cb_conninfo 0\n"
      "6 connect PC2 petr\n"
      "10 ui check cb_conninfo 1\n"
      "12 connect PC3 olga\n"
      "14 ui check cb_rules 0\n"
      "15 connect PC4 anna\n",
      programOptions({.rulesFile = ruleRecord(kConnected, kWarn, "*", "Привет",
                                              "", kAlways) +
                                   ruleRecord(kConnected, kWarn, "10.0.0.13",
                                              "Только PC3", "", kAlways)}));
  lan.runUntil(20);
  // PC2 came while notices were off and is not new any more afterwards.
  EXPECT_EQ(
      lan.calls("MessageBox"),
      (Strings{warning("10.0.0.11", "Привет"), warning("10.0.0.13", "Привет"),
               warning("10.0.0.13", "Только PC3")}));
}

TEST(RuleEvents, ConnectionTimeRulesActOnlyOnTheExactSecond) {
  LanForm lan(
      "0 host PC1 10.0.0.11\n"
      "2 connect PC1 ivan\n",
      programOptions(
          {.rulesFile = ruleRecord(kConnectionTime, kPlaySound, "*", "t60.wav",
                                   "60", kAlways) +
                        ruleRecord(kConnectionTime, kPlaySound, "*", "t0.wav",
                                   "0", kAlways) +
                        ruleRecord(kConnectionTime, kPlaySound, "*", "word.wav",
                                   "abc", kAlways) +
                        ruleRecord(kConnectionTime, kPlaySound, "*",
                                   "empty.wav", "", kAlways) +
                        ruleRecord(kConnectionTime, kPlaySound, "10.0.0.99",
                                   "other.wav", "60", kAlways)}));
  lan.runUntil(61.5);
  EXPECT_EQ(lan.calls("PlaySound"), (Strings{R"(["t0.wav"])"}));
  lan.runUntil(62.5);
  EXPECT_EQ(lan.calls("PlaySound"),
            (Strings{R"(["t0.wav"])", R"(["t60.wav"])"}));
  lan.runUntil(120);
  EXPECT_EQ(lan.calls("PlaySound").size(), 2u);

  // A cycle that never sees the 60th second never acts.
  LanForm slow(
      "0 host PC1 10.0.0.11\n"
      "0 ui spin tobnovl 1500\n"
      "0.5 connect PC1 ivan\n",
      programOptions({.rulesFile = ruleRecord(kConnectionTime, kPlaySound, "*",
                                              "t60.wav", "60", kAlways)}));
  slow.runUntil(61);
  EXPECT_EQ(slow.calls("PlaySound"), Strings{});
}

TEST(RuleEvents, FileRulesMatchTheExtensionInAnyLetterCase) {
  LanForm lan(
      "0 host PC1 10.0.0.11\n"
      "0 connect PC1 ivan\n"
      "0 connect 10.0.0.13 \"\"\n"
      "2 open 1 PC1 ivan C:\\Docs\\report.DOC\n"
      "3 open 2 PC1 ivan C:\\Docs\\README\n"
      "4 open 3 PC1 ivan C:\\Docs\\notes.txt.bak\n"
      "5 open 4 PC1 ivan C:\\Old.dir\\makefile\n"
      "6 open 5 10.0.0.13 \"\" C:\\Anon\\x.doc\n",
      programOptions(
          {.rulesFile =
               ruleRecord(kFileOpened, kWarn, "*", "doc", "doc", kAlways) +
               ruleRecord(kFileOpened, kWarn, "*", "readme", "README",
                          kAlways) +
               ruleRecord(kFileOpened, kWarn, "*", "txt", "txt", kAlways) +
               ruleRecord(kFileOpened, kWarn, "10.0.0.11", "makefile",
                          "MakeFile", kAlways) +
               ruleRecord(kFileOpened, kDisconnect, "*", "", "doc", kAlways)}));
  lan.runUntil(5.5);
  EXPECT_EQ(
      lan.calls("MessageBox"),
      (Strings{warning("10.0.0.11", "doc"), warning("10.0.0.11", "readme"),
               warning("10.0.0.11", "makefile")}));
  EXPECT_EQ(lan.calls("NetSessionDel"),
            (Strings{R"(["", "\\\\10.0.0.11", null])"}));

  // An opening no session can be traced to: the rules for every address
  // still act, a disconnect has no client and does nothing.
  lan.runUntil(6.5);
  EXPECT_EQ(lan.calls("MessageBox").back(), warning("", "doc"));
  EXPECT_EQ(lan.calls("NetSessionDel").size(), 1u);

  // Rule events follow the switch.
  LanForm off("0 connect PC1 ivan\n1.5 open 1 PC1 ivan C:\\a.doc\n",
              programOptions({.rules = false,
                              .rulesFile = ruleRecord(kFileOpened, kWarn, "*",
                                                      "doc", "doc", kAlways)}));
  off.runUntil(5);
  EXPECT_EQ(off.calls("MessageBox"), Strings{});
}

TEST(RuleEvents, AFileRuleActsForAClientWithANameLongerThanItsField) {
  // The name is cut to 16 characters in the tables; the opening is traced
  // to the cut name and must still find the session's address.
  LanForm lan(
      "0 host ACCOUNTING-OFFICE-7 10.0.0.21\n"
      "0 connect ACCOUNTING-OFFICE-7 ivan\n"
      "2 open 1 ACCOUNTING-OFFICE-7 ivan C:\\Docs\\plan.doc\n",
      programOptions({.rulesFile = ruleRecord(kFileOpened, kWarn, "10.0.0.21",
                                              "план", "doc", kAlways)}));
  lan.runUntil(3);
  EXPECT_EQ(lan.calls("MessageBox"), (Strings{warning("10.0.0.21", "план")}));
}

TEST(RuleEvents, OnceRulesActOnceAndLeaveTheTableAndTheFile) {
  LanForm lan(
      "0 host PC1 10.0.0.11\n"
      "0 host PC2 10.0.0.12\n"
      "2 connect PC1 ivan\n"
      "4 connect PC2 petr\n",
      programOptions(
          {.rulesFile =
               ruleRecord(kConnected, kWarn, "*", "первое", "", kOnce) +
               ruleRecord(kConnected, kWarn, "*", "второе", "", kOnce) +
               ruleRecord(kConnected, kWarn, "*", "всегда", "", kAlways) +
               ruleRecord(kConnected, kWarn, "*", "никогда", "", 0)}));
  lan.runUntil(5);
  EXPECT_EQ(lan.calls("MessageBox"), (Strings{warning("10.0.0.11", "первое"),
                                              warning("10.0.0.11", "второе"),
                                              warning("10.0.0.11", "всегда"),
                                              warning("10.0.0.12", "всегда")}));
  const ui::ListView& list = lan.form().securityPage().lv_rules;
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list.item(0).subItems.at(1), "всегда");
  EXPECT_EQ(list.item(1).subItems.at(1), "никогда");

  lan.form().window().close();
  EXPECT_EQ(fileBytes(lan.programDir() / "rules"),
            ruleRecord(kConnected, kWarn, "*", "всегда", "", kAlways) +
                ruleRecord(kConnected, kWarn, "*", "никогда", "", 0));
}

TEST(RuleEvents, AnActionThatLetsFurtherEventsRunCannotRepeatAOnceRule) {
  LanForm lan(
      "0 host PC1 10.0.0.11\n"
      "2 connect PC1 ivan\n",
      programOptions(
          {.rulesFile =
               ruleRecord(kConnected, kPlaySound, "*", "once.wav", "", kOnce) +
               ruleRecord(kConnected, kWarn, "*", "всегда", "", kAlways)}));
  // While the sound starts, a further event arrives, as events do while a
  // warning's modal loop runs.
  int nested = 0;
  lan.sound().duringPlay = [&] {
    if (nested++ == 0)
      lan.form().monitorParts().rules.connectEvent("10.0.0.11");
  };
  lan.runUntil(3);
  EXPECT_EQ(lan.calls("PlaySound"), (Strings{R"(["once.wav"])"}));
  EXPECT_EQ(lan.calls("MessageBox"), (Strings{warning("10.0.0.11", "всегда"),
                                              warning("10.0.0.11", "всегда")}));
  ASSERT_EQ(lan.form().securityPage().lv_rules.count(), 1);
  EXPECT_EQ(lan.form().monitorParts().rules.rule(0).actionParam, "всегда");
}

TEST(RuleEvents, DisconnectRulesEndTheClientsSessionsOnTheLocalServer) {
  sim::World* world = nullptr;
  LanFormOptions options =
      programOptions({.rulesFile = ruleRecord(kConnected, kDisconnect,
                                              "10.0.0.11", "", "", kAlways)});
  const auto writeFiles = options.beforeStart;
  options.beforeStart = [&](const std::filesystem::path& dir, sim::World& w) {
    writeFiles(dir, w);
    world = &w;
  };
  LanForm lan(
      "0 host PC1 10.0.0.11\n"
      "0 connect 10.0.0.11 ivan\n"
      "0 connect 10.0.0.11 ivan on=SRV2\n"
      "0.5 ui text Edit1 SRV2\n"
      "0.5 ui key Edit1 enter\n",
      options);
  lan.runUntil(1.5);
  EXPECT_EQ(lan.calls("NetSessionDel"),
            (Strings{R"(["", "\\\\10.0.0.11", null])"}));
  EXPECT_TRUE(world->localServer().sessions().empty());
  EXPECT_EQ(world->findServer("SRV2")->sessions().size(), 1u);
}

TEST(RuleEvents, SoundRulesNeedAWaveDevice) {
  LanForm lan(
      "0 sound off\n"
      "0 host PC1 10.0.0.11\n"
      "2 connect PC1 ivan\n"
      "3 sound on\n"
      "4 connect PC1 petr\n",
      programOptions({.rulesFile = ruleRecord(kConnected, kPlaySound, "*",
                                              "ding.wav", "", kAlways)}));
  lan.runUntil(5);
  EXPECT_EQ(lan.calls("PlaySound"), (Strings{R"(["ding.wav"])"}));
}

}  // namespace
}  // namespace ov::test
