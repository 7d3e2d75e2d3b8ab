// The grids' context-menu commands on the selected row: kick a client,
// close a file, list a user for good; an empty cell does nothing.
#include <gtest/gtest.h>

#include "lan_form.h"
#include "policy_support.h"

namespace ov::test {
namespace {

using Lines = std::vector<std::string>;

// After the cycle at 1 s: st_conns rows 1-3 and an empty row 4, st_files
// rows 1-2 and an empty row 3.
const char* const kThreeClients = R"(
0 connect PC1 ivan
0 connect PC2 petr
0 connect 10.0.0.13 ""
0 open 11 PC1 ivan C:\Data\a.doc
0 open 12 PC2 petr C:\Data\b.doc
)";

TEST(GridCommands, KickDisconnectsTheSelectedClientAndCloseClosesItsFile) {
  LanForm lan(std::string(kThreeClients) + R"(
0.5 ui tray dblclick
1.5 ui select st_conns 2
1.5 ui click N4
1.5 ui select st_files 1
1.5 ui click N3
)");
  lan.runUntil(1.5);
  EXPECT_EQ(lan.calls("NetSessionDel"), Lines{sessionDel("PC2")});
  EXPECT_EQ(lan.calls("NetFileClose"), Lines{fileClose(11)});
  lan.runUntil(2);
  EXPECT_EQ(gridRow(lan.form().connectionsPage().st_conns, 1)[0], "PC1");
  EXPECT_EQ(gridRow(lan.form().connectionsPage().st_conns, 2)[0], "10.0.0.13");
  EXPECT_EQ(lan.form().connectionsPage().st_files.rowCount(), 2);
}

TEST(GridCommands, EmptyCellsMakeEveryCommandDoNothing) {
  LanForm lan(std::string(kThreeClients) + R"(
1.5 ui select st_conns 4
1.5 ui click N4
1.5 ui click N6
1.5 ui click N47
1.5 ui select st_conns 3
1.5 ui click N47
1.5 ui select st_files 3
1.5 ui click N3
1.5 ui click N26
)");
  lan.runUntil(1.5);
  TForm1& form = lan.form();
  EXPECT_TRUE(lan.calls("NetSessionDel").empty());
  EXPECT_TRUE(lan.calls("NetFileClose").empty());
  EXPECT_TRUE(lan.calls("MessageBox").empty());
  EXPECT_EQ(form.securityPage().ListBox1.count(), 0);
  EXPECT_EQ(form.securityPage().ListBox2.count(), 0);
  const auto& dir = lan.programDir();
  EXPECT_FALSE(std::filesystem::exists(dir / "users"));
  EXPECT_FALSE(std::filesystem::exists(dir / "usrnames"));
  EXPECT_FALSE(std::filesystem::exists(dir / "OV.CFG"));
  // A session without a user kicks nobody from the next cycle on.
  lan.runUntil(3);
  EXPECT_TRUE(lan.calls("NetSessionDel").empty());
}

TEST(GridCommands, UserOfAnOpenFileIsListedWithoutLookingAndSaved) {
  LanForm lan(std::string(kThreeClients) + R"(
0.5 ui tray dblclick
1.5 ui select st_files 2
1.5 ui click N26
1.5 ui click N26
)");
  lan.runUntil(1.5);
  EXPECT_EQ(listItems(lan.form().securityPage().ListBox2),
            (Lines{"petr", "petr"}));
  EXPECT_EQ(fileBytes(lan.programDir() / "usrnames"), "petr\r\npetr\r\n");
  // The configuration is not saved with the user list.
  EXPECT_FALSE(std::filesystem::exists(lan.programDir() / "OV.CFG"));
  lan.runUntil(2);
  EXPECT_EQ(lan.calls("NetSessionDel"), Lines{sessionDel("PC2", "petr")});
}

}  // namespace
}  // namespace ov::test
