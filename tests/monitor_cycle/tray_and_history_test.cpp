// The tray icon and tip that follow the counts, and the connection history
// that ended connections move to.
#include <gtest/gtest.h>

#include "lan_form.h"

namespace ov::test {
namespace {

using Lines = std::vector<std::string>;

TEST(TrayAndHistory, IconAndTipChangeOnlyWithTheCounts) {
  LanForm lan(R"(
0 connect PC1 ivan
1.5 disconnect PC1 ivan
1.5 connect PC2 ""
2.5 connect PC3 petr
3.5 open 1 PC3 petr C:\a.doc
4.5 disconnect PC2 ""
5.5 disconnect PC3 petr
)");
  // The same count with a user-less session now: the tray is left alone.
  lan.runUntil(2);
  EXPECT_EQ(
      lan.calls("TrayIcon"),
      (Lines{R"(["add", "idle", "Монитор сети", 1007])",
             R"(["modify", "idle", "Соединений:0", 1007])",
             R"(["modify", "connected", "Соединений:1; Открыто:0", 1007])"}));

  lan.runUntil(6);
  const Lines tray = lan.calls("TrayIcon");
  ASSERT_EQ(tray.size(), 7u);
  EXPECT_EQ(tray[3],
            R"(["modify", "userless", "Соединений:2; Открыто:0", 1007])");
  EXPECT_EQ(tray[4],
            R"(["modify", "userless", "Соединений:2; Открыто:1", 1007])");
  EXPECT_EQ(tray[5], R"(["modify", "files", "Соединений:1; Открыто:1", 1007])");
  EXPECT_EQ(tray[6], R"(["modify", "idle", "Соединений:0; Открыто:0", 1007])");
}

TEST(TrayAndHistory, FailedSessionListingReportsNoConnections) {
  LanForm lan(R"(
0 ui check cb_conninfo 1
0 ui check cb_lognullconn 0
0 connect PC1 ivan
0 open 1 PC1 ivan C:\a.doc
1.5 fail NetSessionEnum 5
2.5 fail NetSessionEnum 5 count=2
)");
  lan.runUntil(1);
  EXPECT_EQ(lan.calls("TrayIcon").back(),
            R"(["modify", "files", "Соединений:1; Открыто:1", 1007])");

  lan.runUntil(2);
  EXPECT_EQ(lan.calls("TrayIcon").back(),
            R"(["modify", "idle", "Соединений:0; Открыто:1", 1007])");
  // The grid keeps what it showed, and the connection did not end.
  EXPECT_EQ(lan.form().connectionsPage().st_conns.cell(0, 1), "PC1");
  EXPECT_EQ(lan.form().historyPage().lv_connhist.count(), 0);

  // The same counts again: the tray is left alone.
  const size_t trayLines = lan.calls("TrayIcon").size();
  lan.runUntil(4);
  EXPECT_EQ(lan.calls("TrayIcon").size(), trayLines);

  // Listed again, it is the same connection: no second notice.
  lan.runUntil(5);
  EXPECT_EQ(lan.calls("TrayIcon").back(),
            R"(["modify", "files", "Соединений:1; Открыто:1", 1007])");
  EXPECT_EQ(lan.calls("Balloon").size(), 2u);
  EXPECT_EQ(lan.form().historyPage().lv_connhist.count(), 0);
}

TEST(TrayAndHistory, EndedConnectionsMoveToTheHistory) {
  LanForm lan(R"(
0 ui check cb_lognullconn 0
0 connect PC1 ivan cltype="Windows 2000"
0 connect PC2 ""
3.5 disconnect PC1 ivan
3.5 disconnect PC2 ""
4.5 ui check cb_lognullconn 1
4.5 connect PC3 petr
6.5 disconnect PC3 petr
)");
  lan.runUntil(3);
  EXPECT_EQ(lan.form().historyPage().lv_connhist.count(), 0);
  lan.runUntil(4);
  // The user-less session was never tracked, so it has no history row.
  ASSERT_EQ(lan.form().historyPage().lv_connhist.count(), 1);
  EXPECT_EQ(
      listViewRow(lan.form().historyPage().lv_connhist, 0),
      (Lines{"PC1", "ivan", "Windows 2000", "0:00:03", "05.03.2026 9:00:01"}));

  // An empty connection gets no row while rows for them are suppressed.
  lan.runUntil(8);
  EXPECT_EQ(lan.form().historyPage().lv_connhist.count(), 1);
  EXPECT_EQ(lan.form().monitorParts().connections.activeCount(), 0u);
}

TEST(TrayAndHistory, RemoteConnectionsAreTrackedIntoTheHistory) {
  LanForm lan(R"(
0 ui check cb_lognullconn 0
0 ui text Edit1 srv1
0 ui key Edit1 enter
0 connect PC7 olga on=SRV1
4.5 disconnect PC7 olga
)");
  lan.runUntil(5);
  ASSERT_EQ(lan.form().historyPage().lv_connhist.count(), 1);
  EXPECT_EQ(listViewRow(lan.form().historyPage().lv_connhist, 0),
            (Lines{"PC7", "olga", "", "0:00:04", "05.03.2026 9:00:01"}));
}

}  // namespace
}  // namespace ov::test
