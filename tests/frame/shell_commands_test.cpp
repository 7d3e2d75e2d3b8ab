// What the program hands to the shell, and the right button choosing the
// row a grid's context menu acts on.
#include <gtest/gtest.h>

#include "lan_form.h"

namespace ov::test {
namespace {

using Strings = std::vector<std::string>;

const char* const kTwoClients =
    "0 connect PC1 ivan\n"
    "0 connect PC2 petr\n"
    "0 open 7 PC1 ivan C:\\Docs\\plan.doc\n"
    "0 open 8 PC2 petr \"C:\\Общие папки\\Отчёты\\март.xls\"\n"
    "0.5 ui tray dblclick\n";

TEST(ShellCommands, ComputersFoldersLogsAndHelpGoToTheShell) {
  LanForm lan(std::string(kTwoClients) +
              "2 ui popup st_conns 2\n"
              "2 ui click N9\n"
              "3 ui popup st_files 2\n"
              "3 ui click mi_openpath\n"
              "4 ui click N25\n"
              "4 ui text t_log d:\\logs\\files.log\n"
              "4 ui tray menu N49\n"
              "5 ui click N27\n"
              "5 ui tray menu N50\n"
              "6 ui click mnu_help\n");
  lan.runUntil(6);
  const std::string traffic = (lan.programDir() / "traffic.log").string();
  const std::string help = (lan.programDir() / "help.chm").string();
  EXPECT_EQ(
      lan.calls("ShellExecute"),
      (Strings{R"([null, "\\\\PC2"])",
               R"(["explore", "C:\\Общие папки\\Отчёты\\"])",
               R"([null, "netfiles.log"])", R"([null, "d:\\logs\\files.log"])",
               "[null, \"" + traffic + "\"]", "[null, \"" + traffic + "\"]",
               "[\"open\", \"" + help + "\"]"}));
}

TEST(ShellCommands, NothingIsOpenedForAnEmptyRowOrAFolderTooLong) {
  const std::string longFolder = "C:\\" + std::string(200, 'd') + "\\";
  LanForm lan("0 connect PC1 ivan\n0 open 7 PC1 ivan " + longFolder +
              "a.doc\n0 open 8 PC1 ivan plain.doc\n0.5 ui tray dblclick\n"
              "2 ui popup st_files 1\n2 ui click mi_openpath\n"
              "2 ui popup st_files 2\n2 ui click mi_openpath\n"
              "3 ui popup st_conns 2\n3 ui click N9\n");
  lan.runUntil(3);
  EXPECT_EQ(lan.calls("ShellExecute"), Strings{});
}

TEST(ShellCommands, TheRightButtonSelectsOnlyADataRow) {
  LanForm lan(std::string(kTwoClients) +
              "2 ui popup st_conns 2\n"
              "3 ui popup st_conns 0\n"
              "4 ui popup st_conns 40\n");
  lan.runUntil(2);
  EXPECT_EQ(lan.form().connectionsPage().st_conns.selectedRow(), 2);
  lan.runUntil(4);
  EXPECT_EQ(lan.form().connectionsPage().st_conns.selectedRow(), 2);
}

}  // namespace
}  // namespace ov::test
