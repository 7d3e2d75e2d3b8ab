// Editing the lists: "Добавить" and "Удалить" of their own menu, the
// grids' "Безопасность" items, and the inverted-logic captions.
#include <gtest/gtest.h>

#include "lan_form.h"
#include "policy_support.h"

namespace ov::test {
namespace {

using Lines = std::vector<std::string>;

LanFormOptions withUsers(std::string users) {
  LanFormOptions options;
  options.beforeStart = [users](const std::filesystem::path& dir, sim::World&) {
    writeBytes(dir / "usrnames", cp1251(users));
  };
  return options;
}

std::string inputBox(const std::string& prompt, const std::string& answer) {
  return "[\"Добавить в лист\", \"" + prompt + "\", " + answer + "]";
}

TEST(NameListCommands, AddTakesTheTypedNameInCapitalsIntoTheChosenList) {
  LanForm lan(R"(
0 ui answer buh-pc
0 ui click N7
0 ui popup ListBox1
0 ui click N7
0 ui click N7
0 ui popup ListBox2
0 ui answer иванов
0 ui click N7
0 ui popup ListBox1
0 ui answer ёлка
0 ui click N7
)",
              withUsers("petr\r\n"));
  lan.runUntil(0);
  TForm1& form = lan.form();
  EXPECT_EQ(listItems(form.securityPage().ListBox1), (Lines{"BUH-PC", "ЁЛКА"}));
  EXPECT_EQ(listItems(form.securityPage().ListBox2), (Lines{"petr", "ИВАНОВ"}));
  // Before the menu is opened over a list its items do nothing.
  EXPECT_EQ(lan.calls("InputBox"),
            (Lines{inputBox("Введите имя компьютера", "\"buh-pc\""),
                   inputBox("Введите имя компьютера", "null"),
                   inputBox("Введите имя пользователя", "\"иванов\""),
                   inputBox("Введите имя компьютера", "\"ёлка\"")}));
  // Nothing is saved until "Сохранить".
  EXPECT_FALSE(std::filesystem::exists(lan.programDir() / "users"));
  EXPECT_EQ(fileBytes(lan.programDir() / "usrnames"), "petr\r\n");
}

TEST(NameListCommands, TenthNameTurnsAddOffForBothListsForGood) {
  std::string scenario = "0 ui popup ListBox1\n";
  for (int i = 1; i <= 10; ++i)
    scenario += "0 ui answer pc" + std::to_string(i) + "\n0 ui click N7\n";
  LanForm lan(scenario + R"(
1 ui select ListBox1 0
1 ui click N8
1 ui select ListBox2 0
1 ui popup ListBox2
1 ui answer olga
1 ui click N7
)",
              withUsers("petr\r\n"));
  lan.runUntil(0);
  TForm1& form = lan.form();
  EXPECT_EQ(form.securityPage().ListBox1.count(), 10);
  EXPECT_EQ(form.securityPage().ListBox1.item(9), "PC10");
  EXPECT_FALSE(lan.menuItem("N7").enabled());
  EXPECT_EQ(lan.calls("InputBox").size(), 10u);

  lan.runUntil(1);
  EXPECT_EQ(form.securityPage().ListBox1.count(), 9);
  EXPECT_EQ(form.securityPage().ListBox1.item(0), "PC2");
  EXPECT_FALSE(lan.menuItem("N7").enabled());
  EXPECT_EQ(listItems(form.securityPage().ListBox2), Lines{"petr"});
  EXPECT_EQ(lan.calls("InputBox").size(), 10u);
}

TEST(NameListCommands, DeleteRemovesTheSelectedEntryOfTheChosenList) {
  LanForm lan(R"(
0 ui popup ListBox1
0 ui answer pc1
0 ui click N7
0 ui click N8
0 ui select ListBox2 1
0 ui popup ListBox2
0 ui click N8
)",
              withUsers("ivan\r\npetr\r\nolga\r\n"));
  lan.runUntil(0);
  TForm1& form = lan.form();
  // Without a selection the computer list keeps its entry.
  EXPECT_EQ(listItems(form.securityPage().ListBox1), Lines{"PC1"});
  EXPECT_EQ(listItems(form.securityPage().ListBox2), (Lines{"ivan", "olga"}));
}

TEST(NameListCommands, TheMenuActsOnTheListItWasOpenedOver) {
  // A selection in the other list does not turn the menu to it.
  LanForm lan(R"(
0 ui popup ListBox1
0 ui answer pc1
0 ui click N7
0 ui select ListBox1 0
0 ui popup ListBox2
0 ui answer ivanov
0 ui click N7
0 ui select ListBox1 0
0 ui popup ListBox2
0 ui click N8
)");
  lan.runUntil(0);
  TForm1& form = lan.form();
  EXPECT_EQ(listItems(form.securityPage().ListBox1), Lines{"PC1"});
  EXPECT_EQ(listItems(form.securityPage().ListBox2), Lines{"IVANOV"});
  EXPECT_EQ(lan.calls("InputBox"),
            (Lines{inputBox("Введите имя компьютера", "\"pc1\""),
                   inputBox("Введите имя пользователя", "\"ivanov\"")}));
}

TEST(NameListCommands, GridNamesAreAddedOnceWhateverTheirLetterCase) {
  LanForm lan(R"(
0 connect pc1 Ivan
0 connect PC2 petr
0 ui popup ListBox1
0 ui answer PC1
0 ui click N7
1.5 ui select st_conns 1
1.5 ui click N6
1.5 ui click N47
1.5 ui select st_conns 2
1.5 ui click N47
)",
              withUsers("IVAN\r\n"));
  // The lists already name pc1 and Ivan in other letters; they are kicked
  // by neither, the comparison there being exact.
  lan.runUntil(1.5);
  TForm1& form = lan.form();
  const std::string duplicate =
      messageBox("Внимание", "Такое имя уже присутствует в списке", 0);
  EXPECT_EQ(lan.calls("MessageBox"), (Lines{duplicate, duplicate}));
  EXPECT_EQ(listItems(form.securityPage().ListBox1), Lines{"PC1"});
  EXPECT_EQ(listItems(form.securityPage().ListBox2), (Lines{"IVAN", "petr"}));
  // Saved in every case.
  EXPECT_EQ(fileBytes(lan.programDir() / "users"), "PC1\r\n");
  EXPECT_EQ(fileBytes(lan.programDir() / "usrnames"), "IVAN\r\npetr\r\n");
  EXPECT_TRUE(lan.calls("NetSessionDel").empty());
  lan.runUntil(2);
  EXPECT_EQ(lan.calls("NetSessionDel"), Lines{sessionDel("PC2", "petr")});
}

TEST(NameListCommands, InvertedLogicRenamesTheGroupAndTheGridItem) {
  LanForm lan(R"(
1 ui check sec_logic 1
2 ui check sec_logic 0
)");
  TForm1& form = lan.form();
  EXPECT_EQ(form.securityPage().gb_kickcomputers.caption(),
            "Мочить компьютеры:");
  EXPECT_EQ(form.securityPage().gb_kickusers.caption(),
            "Мочить пользователей:");
  EXPECT_EQ(lan.menuItem("N6").caption(), "Добавить в...");
  lan.runUntil(1);
  EXPECT_EQ(form.securityPage().gb_kickcomputers.caption(),
            "Не мочить компьютеры:");
  EXPECT_EQ(lan.menuItem("N6").caption(), "Добавить в 'Не мочить компьютеры:'");
  lan.runUntil(2);
  EXPECT_EQ(form.securityPage().gb_kickcomputers.caption(),
            "Мочить компьютеры:");
  EXPECT_EQ(lan.menuItem("N6").caption(), "Добавить в 'Мочить компьютеры:'");

  LanFormOptions inverted;
  inverted.beforeStart = [](const std::filesystem::path& dir, sim::World&) {
    writeBytes(dir / "OV.CFG", "[Kick]\r\nLogic=1\r\n");
  };
  LanForm atStart("", inverted);
  EXPECT_TRUE(atStart.form().securityPage().sec_logic.checked());
  EXPECT_EQ(atStart.form().securityPage().gb_kickcomputers.caption(),
            "Не мочить компьютеры:");
  EXPECT_EQ(atStart.menuItem("N6").caption(),
            "Добавить в 'Не мочить компьютеры:'");
}

}  // namespace
}  // namespace ov::test
