// The list files "users" and "usrnames": read at start, written by the
// "Сохранить" buttons and the grid commands, 1251 with CR LF.
#include <gtest/gtest.h>

#include "lan_form.h"
#include "policy_support.h"

namespace ov::test {
namespace {

using Lines = std::vector<std::string>;
using std::filesystem::path;

std::string numberedLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "N" + std::to_string(i) + "\r\n";
  return text;
}

TEST(NameListFiles, ListsWrittenByTheButtonsReadBackTheSame) {
  LanForm lan(R"(
0 ui popup ListBox1
0 ui answer pc1
0 ui click N7
0 ui answer бухгалтерия
0 ui click N7
0 ui click save1but
)");
  lan.runUntil(0);
  TForm1& form = lan.form();
  form.securityPage().ListBox2.addItem("Иванов");
  form.securityPage().ListBox2.addItem("");
  form.securityPage().ListBox2.addItem("petr");
  form.securityPage().save2.click();
  const std::string computers = cp1251("PC1\r\nБУХГАЛТЕРИЯ\r\n");
  const std::string users = cp1251("Иванов\r\n\r\npetr\r\n");
  EXPECT_EQ(fileBytes(lan.programDir() / "users"), computers);
  EXPECT_EQ(fileBytes(lan.programDir() / "usrnames"), users);

  LanForm again("", withListFiles(computers, users));
  EXPECT_EQ(listItems(again.form().securityPage().ListBox1),
            (Lines{"PC1", "БУХГАЛТЕРИЯ"}));
  EXPECT_EQ(listItems(again.form().securityPage().ListBox2),
            (Lines{"Иванов", "", "petr"}));
}

TEST(NameListFiles, StartReadsAtMost256ComputersAnd257Users) {
  LanForm lan("", withListFiles(numberedLines(300), numberedLines(300)));
  const ui::ListBox& computers = lan.form().securityPage().ListBox1;
  const ui::ListBox& users = lan.form().securityPage().ListBox2;
  ASSERT_EQ(computers.count(), 256);
  EXPECT_EQ(computers.item(0), "N1");
  EXPECT_EQ(computers.item(255), "N256");
  ASSERT_EQ(users.count(), 257);
  EXPECT_EQ(users.item(256), "N257");
}

TEST(NameListFiles, EveryLineIsOneWholeEntry) {
  const std::string longName(100, 'x');
  const std::string longCyrillic =
      std::string(70, 'a') + "Ж" + std::string(29, 'b');
  LanForm lan("",
              withListFiles(cp1251("PC1\r\n\r\n" + longCyrillic + "\r\nPC2"),
                            longName + "\r\nlast"));
  EXPECT_EQ(listItems(lan.form().securityPage().ListBox1),
            (Lines{"PC1", "", longCyrillic, "PC2"}));
  EXPECT_EQ(listItems(lan.form().securityPage().ListBox2),
            (Lines{longName, "last"}));
}

TEST(NameListFiles, MissingFilesGiveEmptyLists) {
  LanForm lan("");
  EXPECT_EQ(lan.form().securityPage().ListBox1.count(), 0);
  EXPECT_EQ(lan.form().securityPage().ListBox2.count(), 0);
  EXPECT_FALSE(std::filesystem::exists(lan.programDir() / "users"));
}

TEST(NameListFiles, AddingAComputerFromTheGridWritesTheListAndTheSettings) {
  LanForm lan(R"(
0 connect PC1 ivan
1.5 ui check cb_kickpipe 1
1.5 ui click N6
)");
  lan.runUntil(1.5);
  EXPECT_EQ(listItems(lan.form().securityPage().ListBox1), Lines{"PC1"});
  EXPECT_EQ(fileBytes(lan.programDir() / "users"), "PC1\r\n");
  const auto config = fileBytes(lan.programDir() / "OV.CFG");
  EXPECT_NE(config.find("Pipes=1\r\n"), std::string::npos) << config;
}

TEST(NameListFiles, UnwritableFileIsReportedAndTheListKept) {
  LanFormOptions options;
  options.beforeStart = [](const path& dir, sim::World&) {
    std::filesystem::create_directory(dir / "users");
    std::filesystem::create_directory(dir / "usrnames");
  };
  LanForm lan(R"(
0 ui popup ListBox1
0 ui answer pc1
0 ui click N7
0 ui click save1but
1 ui click save2
)",
              options);
  lan.runUntil(0);
  EXPECT_EQ(lan.calls("MessageBox"),
            Lines{messageBox("Ошибка", "Не удалось записать файл users", 48)});
  EXPECT_EQ(listItems(lan.form().securityPage().ListBox1), Lines{"PC1"});
  // The settings are saved whatever became of the list.
  EXPECT_TRUE(std::filesystem::exists(lan.programDir() / "OV.CFG"));
  std::filesystem::remove(lan.programDir() / "OV.CFG");

  lan.runUntil(1);
  EXPECT_EQ(lan.calls("MessageBox").back(),
            messageBox("Ошибка", "Не удалось записать файл usrnames", 48));
  EXPECT_FALSE(std::filesystem::exists(lan.programDir() / "OV.CFG"));
}

}  // namespace
}  // namespace ov::test
