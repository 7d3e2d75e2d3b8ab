// The session checks of every monitor cycle: the computer list by name and
// by address, the inverted logic, the user list and closed access.
#include <gtest/gtest.h>

#include "lan_form.h"
#include "policy_support.h"

namespace ov::test {
namespace {

using Lines = std::vector<std::string>;

TEST(SessionChecks, KickedSessionIsCountedAndShownButNotTracked) {
  LanForm lan(R"(
0 ui check cb_lognullconn 0
0 connect PC1 ivan
0 connect PC2 petr
1.5 ui answer pc1
1.5 ui popup ListBox1
1.5 ui click N7
)");
  lan.runUntil(1.5);
  TForm1& form = lan.form();
  EXPECT_EQ(listItems(form.securityPage().ListBox1), Lines{"PC1"});
  EXPECT_TRUE(form.monitorParts().connections.findActive("PC1", "ivan"));
  EXPECT_TRUE(lan.calls("NetSessionDel").empty());

  lan.runUntil(2.5);
  EXPECT_EQ(lan.calls("NetSessionDel"), Lines{sessionDel("PC1")});
  // Shown and counted in its cycle: the tray keeps its two sessions.
  EXPECT_EQ(gridRow(form.connectionsPage().st_conns, 1)[0], "PC1");
  EXPECT_EQ(gridRow(form.connectionsPage().st_conns, 1)[7], "9:00:02");
  EXPECT_EQ(lan.calls("TrayIcon").back(),
            R"(["modify", "connected", "Соединений:2; Открыто:0", 1007])");
  // Tracked before, retired at the end of the same cycle.
  EXPECT_FALSE(form.monitorParts().connections.findActive("PC1", "ivan"));
  EXPECT_TRUE(form.monitorParts().connections.findActive("PC2", "petr"));
  ASSERT_EQ(form.historyPage().lv_connhist.count(), 1);
  EXPECT_EQ(listViewRow(form.historyPage().lv_connhist, 0)[0], "PC1");

  lan.runUntil(3.5);
  EXPECT_EQ(gridRow(form.connectionsPage().st_conns, 1)[0], "PC2");
  EXPECT_EQ(lan.calls("TrayIcon").back(),
            R"(["modify", "connected", "Соединений:1; Открыто:0", 1007])");
}

TEST(SessionChecks, KickedSessionIsNotListedUnderResources) {
  LanForm lan(R"(
0 share Data C:\Data
0 ui page 2
0 connect PC1 ivan
0 connect PC2 petr
0 open 11 PC2 petr C:\Data\a.doc
)",
              withListFiles("PC1\r\n"));
  lan.runUntil(1);
  TForm1& form = lan.form();
  EXPECT_EQ(lan.calls("NetSessionDel"), Lines{sessionDel("PC1")});
  EXPECT_EQ(listItems(form.resourcesPage().ListBox4), (Lines{"PC2", "- Data"}));
  EXPECT_FALSE(form.monitorParts().connections.findActive("PC1", "ivan"));
  EXPECT_EQ(form.monitorParts().cycleCounters.sessionsThisCycle, 2);
}

TEST(SessionChecks, ComputerListMatchesNamesAndResolvedAddressesExactly) {
  // PC1 is listed by its address, PC2 by the name the server does not use,
  // PC3 in other letters.
  LanForm lan(R"(
0 host PC1 10.0.0.11
0 host PC2 10.0.0.12
0 host PC3 10.0.0.13
0 connect PC1 ivan
0 connect 10.0.0.12 petr
0 connect PC3 olga
)",
              withListFiles("10.0.0.11\r\nPC2\r\npc3\r\n"));
  lan.runUntil(2);
  EXPECT_EQ(lan.calls("NetSessionDel"), Lines{sessionDel("PC1")});
  EXPECT_EQ(gridRow(lan.form().connectionsPage().st_conns, 1)[0], "10.0.0.12");
  EXPECT_EQ(gridRow(lan.form().connectionsPage().st_conns, 2)[0], "PC3");
}

TEST(SessionChecks, InvertedLogicAdmitsOnlyListedComputers) {
  LanForm lan(R"(
0 ui check sec_logic 1
0 connect PC1 ivan reconnect=0.5
0 connect PC2 petr reconnect=0.5
)");
  // An empty list under inverted logic admits nobody, on every cycle.
  lan.runUntil(1);
  const Lines both{sessionDel("PC1"), sessionDel("PC2")};
  EXPECT_EQ(lan.calls("NetSessionDel"), both);
  lan.runUntil(2);
  Lines twice = both;
  twice.insert(twice.end(), both.begin(), both.end());
  EXPECT_EQ(lan.calls("NetSessionDel"), twice);

  lan.form().securityPage().ListBox1.addItem("PC1");
  lan.runUntil(3);
  twice.push_back(sessionDel("PC2"));
  EXPECT_EQ(lan.calls("NetSessionDel"), twice);
  EXPECT_TRUE(lan.form().monitorParts().connections.findActive("PC1", "ivan"));
}

TEST(SessionChecks, ListedUserLosesEverySessionOthersKeepTheirs) {
  LanForm lan(R"(
0 connect PC1 ivan
0 connect PC1 petr
0 connect PC2 ivan
0 connect PC2 olga
0 connect PC3 Ivan
)",
              withListFiles("", "ivan\r\n"));
  lan.runUntil(1);
  EXPECT_EQ(lan.calls("NetSessionDel"),
            (Lines{sessionDel("PC1", "ivan"), sessionDel("PC2", "ivan")}));
  lan.runUntil(2);
  TForm1& form = lan.form();
  EXPECT_EQ(lan.calls("NetSessionDel").size(), 2u);
  EXPECT_EQ(gridRow(form.connectionsPage().st_conns, 1)[1], "petr");
  EXPECT_EQ(gridRow(form.connectionsPage().st_conns, 2)[1], "olga");
  EXPECT_EQ(gridRow(form.connectionsPage().st_conns, 3)[1], "Ivan");
}

TEST(SessionChecks, ClosedAccessDisconnectsEveryClientWholly) {
  LanForm lan(R"(
0 connect PC1 ivan
0 connect PC2 ""
1.5 ui check SecurityCB1 1
)");
  lan.runUntil(1.5);
  EXPECT_TRUE(lan.calls("NetSessionDel").empty());
  lan.runUntil(2);
  EXPECT_EQ(lan.calls("NetSessionDel"),
            (Lines{sessionDel("PC1"), sessionDel("PC2")}));
}

}  // namespace
}  // namespace ov::test
