// The file "rules" beside the program: what start-up reads from it and what
// the exit writes back.
#include <gtest/gtest.h>

#include "rules_lan.h"

namespace ov::test {
namespace {

using Strings = std::vector<std::string>;

std::string repeated(std::string_view text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

TEST(RulesFile, AtMostSixtyFourRulesAreLoaded) {
  std::string first64;
  for (int i = 0; i < 64; ++i)
    first64 += ruleRecord(0, 2, "10.0.0." + std::to_string(i), "", "", 255);
  std::string beyond;
  for (int i = 64; i < 70; ++i)
    beyond += ruleRecord(0, 2, "10.0.0." + std::to_string(i), "", "", 255);
  LanForm lan("", programOptions({.rulesFile = first64 + beyond}));
  ASSERT_EQ(lan.form().securityPage().lv_rules.count(), 64);
  EXPECT_EQ(lan.form().securityPage().lv_rules.item(63).caption, "10.0.0.63");

  lan.form().window().close();
  EXPECT_EQ(fileBytes(lan.programDir() / "rules"), first64);
}

TEST(RulesFile, LongLinesAreCutToTheirFieldsWithoutShiftingLaterRules) {
  const std::string longText = repeated("я", 300);
  LanForm lan("0 host PC1 10.0.0.11\n2 connect PC1 ivan\n",
              programOptions(
                  {.rulesFile = ruleRecord(1, 2, "10.0.0.11-and-more", longText,
                                           repeated("ё", 40), 255) +
                                ruleRecord(0, 2, "*", "второе", "", 255)}));
  const ui::ListView& list = lan.form().securityPage().lv_rules;
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(
      listViewRow(list, 0),
      (Strings{
          "10.0.0.11-and-m", "Открыл файл c расширением " + repeated("ё", 31),
          repeated("я", 255), "Вывести на экран предупреждение", "Постоянно"}));
  EXPECT_EQ(listViewRow(list, 1),
            (Strings{"*", "Подключился ", "второе",
                     "Вывести на экран предупреждение", "Постоянно"}));
  lan.runUntil(3);
  EXPECT_EQ(lan.calls("MessageBox"), (Strings{warning("10.0.0.11", "второе")}));
}

TEST(RulesFile, LineEndsMayBeBareAndTheLastMayBeMissing) {
  // The last line keeps its last character: 255 stays "always".
  LanForm lan(
      "0 host PC1 10.0.0.11\n2 connect PC1 ivan\n4 connect PC1 petr\n",
      programOptions({.rulesFile = cp1251("0\n2\n*\nснова\n\n255\r\n"
                                          "0\r\n2\r\n*\r\nраз\r\n\r\n1")}));
  ASSERT_EQ(lan.form().securityPage().lv_rules.count(), 2);
  EXPECT_EQ(lan.form().securityPage().lv_rules.item(1).subItems.at(3),
            "Один раз");
  lan.runUntil(5);
  EXPECT_EQ(lan.calls("MessageBox"),
            (Strings{warning("10.0.0.11", "снова"), warning("10.0.0.11", "раз"),
                     warning("10.0.0.11", "снова")}));
  lan.form().window().close();
  EXPECT_EQ(fileBytes(lan.programDir() / "rules"),
            ruleRecord(0, 2, "*", "снова", "", 255));
}

TEST(RulesFile, EventsAndActionsPastTheListsNeverMatch) {
  LanForm lan(
      "0 host PC1 10.0.0.11\n2 connect PC1 ivan\n",
      programOptions(
          {.rulesFile = ruleRecord(7, 2, "*", "семь", "p", 255) +
                        ruleRecord(0, 7, "*", "x.wav", "", 255) +
                        cp1251("abc\r\n1\r\n*\r\nx.wav\r\n\r\n255\r\n") +
                        ruleRecord(0, 2, "*", "годится", "", 255)}));
  const ui::ListView& list = lan.form().securityPage().lv_rules;
  ASSERT_EQ(list.count(), 4);
  EXPECT_EQ(listViewRow(list, 0),
            (Strings{"*", " p", "семь", "Вывести на экран предупреждение",
                     "Постоянно"}));
  EXPECT_EQ(listViewRow(list, 1),
            (Strings{"*", "Подключился ", "x.wav", "", "Постоянно"}));
  EXPECT_EQ(listViewRow(list, 2).at(1), " ");
  lan.runUntil(3);
  EXPECT_EQ(lan.calls("MessageBox"),
            (Strings{warning("10.0.0.11", "годится")}));
  EXPECT_EQ(lan.calls("PlaySound"), Strings{});
  EXPECT_EQ(lan.calls("NetSessionDel"), Strings{});

  // Numbers the program cannot use are kept as read; text that is no number
  // is kept as "nothing chosen".
  lan.form().window().close();
  EXPECT_EQ(fileBytes(lan.programDir() / "rules"),
            ruleRecord(7, 2, "*", "семь", "p", 255) +
                ruleRecord(0, 7, "*", "x.wav", "", 255) +
                ruleRecord(255, 1, "*", "x.wav", "", 255) +
                ruleRecord(0, 2, "*", "годится", "", 255));
}

TEST(RulesFile, TheUseIsKeptAsItsLowEightBits) {
  // -1 is 255 (always), 256 is 0 (never), 257 is 1 (once).
  LanForm lan(
      "0 host PC1 10.0.0.11\n2 connect PC1 ivan\n4 connect PC1 petr\n",
      programOptions({.rulesFile = ruleRecord(0, 2, "*", "всегда", "", -1) +
                                   ruleRecord(0, 2, "*", "никогда", "", 256) +
                                   ruleRecord(0, 2, "*", "раз", "", 257) +
                                   cp1251("0\r\n2\r\n*\r\nнет\r\n"
                                          "\r\nx\r\n")}));
  const ui::ListView& list = lan.form().securityPage().lv_rules;
  ASSERT_EQ(list.count(), 4);
  EXPECT_EQ(list.item(0).subItems.at(3), "Постоянно");
  EXPECT_EQ(list.item(2).subItems.at(3), "Один раз");
  lan.runUntil(5);
  EXPECT_EQ(lan.calls("MessageBox"), (Strings{warning("10.0.0.11", "всегда"),
                                              warning("10.0.0.11", "раз"),
                                              warning("10.0.0.11", "всегда")}));

  lan.form().window().close();
  EXPECT_EQ(fileBytes(lan.programDir() / "rules"),
            ruleRecord(0, 2, "*", "всегда", "", 255) +
                ruleRecord(0, 2, "*", "никогда", "", 0) +
                ruleRecord(0, 2, "*", "нет", "", 0));
}

TEST(RulesFile, NoFileMeansNoRulesAndAnUnfinishedRecordIsDropped) {
  LanForm none("", programOptions({}));
  EXPECT_EQ(none.form().securityPage().lv_rules.count(), 0);
  none.form().window().close();
  EXPECT_TRUE(std::filesystem::exists(none.programDir() / "rules"));
  EXPECT_EQ(fileBytes(none.programDir() / "rules"), "");

  LanForm cut(
      "", programOptions({.rulesFile = ruleRecord(0, 2, "*", "a", "", 255) +
                                       cp1251("0\r\n2\r\n*\r\nb\r\n\r\n")}));
  EXPECT_EQ(cut.form().securityPage().lv_rules.count(), 1);
}

TEST(RulesFile, ARulesFileThatCannotBeWrittenIsSkippedAtExit) {
  LanFormOptions options = programOptions({});
  const auto writeFiles = options.beforeStart;
  options.beforeStart = [writeFiles](const std::filesystem::path& dir,
                                     sim::World& world) {
    writeFiles(dir, world);
    std::filesystem::create_directory(dir / "rules");
  };
  LanForm lan("", options);
  lan.form().securityPage().b_addrule.click();
  lan.form().window().close();
  EXPECT_TRUE(lan.form().window().closed());
  EXPECT_TRUE(std::filesystem::is_directory(lan.programDir() / "rules"));
  EXPECT_EQ(lan.calls("TrayIcon").back(),
            R"(["delete", "idle", "Соединений:0", 1007])");
}

}  // namespace
}  // namespace ov::test
