// The connections grid: its rows at both session levels, how it grows and
// shrinks, and what is written only while its page is showing.
#include <gtest/gtest.h>

#include "lan_form.h"

namespace ov::test {
namespace {

using Row = std::vector<std::string>;

TEST(ConnectionsGrid, RowsShowEverySessionFieldAtLevel502) {
  LanForm lan(R"(
0 ui check cb_cleantable 1
0 connect PC1 ivan cltype="Windows 2000 2195" transport=\Device\NetBT_Tcpip_{4A}
0 connect 10.0.0.5 "" transport=\Device\NwlnkNb
0 open 1 PC1 ivan C:\Docs\a.doc
2 touch 10.0.0.5 ""
)");
  lan.runUntil(3);
  const ui::StringGrid& grid = lan.form().connectionsPage().st_conns;
  ASSERT_EQ(grid.rowCount(), 4);
  EXPECT_EQ(gridRow(grid, 0),
            (Row{"Клиент", "Пользователь", "Активен", "Простой", "Система",
                 "Протокол", "Залез в", "Сейчас"}));
  EXPECT_EQ(gridRow(grid, 1),
            (Row{"PC1", "ivan", "0:00:03", "0:00:03", "Windows 2000 2195",
                 "TCP-IP", "1", "9:00:03"}));
  EXPECT_EQ(gridRow(grid, 2), (Row{"10.0.0.5", "", "0:00:03", "0:00:01", "",
                                   "NETBIOS", "0", "9:00:03"}));
  EXPECT_EQ(gridRow(grid, 3), Row(8, ""));
}

TEST(ConnectionsGrid, UncleanedGridKeepsFiveRowsAndOldText) {
  LanForm lan(R"(
0 ui check cb_cleantable 0
0 connect PC1 ivan
0 connect PC2 petr
0 connect PC3 olga
0 connect PC4 anna
1.5 disconnect PC4 anna
2.5 connect PC5 boris
)");
  lan.runUntil(1);
  const ui::StringGrid& grid = lan.form().connectionsPage().st_conns;
  EXPECT_EQ(grid.rowCount(), 5);
  EXPECT_EQ(grid.cell(0, 4), "PC4");

  // Three sessions: the ended one stays visible in row 4 ...
  lan.runUntil(2);
  EXPECT_EQ(grid.rowCount(), 5);
  EXPECT_EQ(grid.cell(0, 3), "PC3");
  EXPECT_EQ(gridRow(grid, 4),
            (Row{"PC4", "anna", "0:00:01", "0:00:01", "", "", "0", "9:00:01"}));

  // ... until a session takes its place.
  lan.runUntil(3);
  EXPECT_EQ(grid.cell(0, 4), "PC5");
  EXPECT_EQ(grid.cell(7, 4), "9:00:03");
}

TEST(ConnectionsGrid, CleanedGridFitsTheSessionsWithOneEmptyRow) {
  LanForm lan(R"(
0 ui check cb_cleantable 1
0 connect PC1 ivan
0 connect PC2 petr
0 connect PC3 olga
1.5 disconnect PC3 olga
2.5 disconnect PC1 ivan
2.5 disconnect PC2 petr
4.5 ui check cb_cleantable 0
)");
  lan.runUntil(1);
  const ui::StringGrid& grid = lan.form().connectionsPage().st_conns;
  EXPECT_EQ(grid.rowCount(), 5);
  EXPECT_EQ(grid.cell(0, 3), "PC3");

  lan.runUntil(2);
  ASSERT_EQ(grid.rowCount(), 4);
  EXPECT_EQ(grid.cell(0, 2), "PC2");
  EXPECT_EQ(gridRow(grid, 3), Row(8, ""));

  // No sessions: the header and one empty row.
  lan.runUntil(3);
  ASSERT_EQ(grid.rowCount(), 2);
  EXPECT_EQ(grid.cell(0, 0), "Клиент");
  EXPECT_EQ(gridRow(grid, 1), Row(8, ""));

  // Unchecked, the grid goes back to its five rows.
  lan.runUntil(5);
  EXPECT_EQ(grid.rowCount(), 5);
}

TEST(ConnectionsGrid, FiveSessionsOrMoreAlwaysFitTheGrid) {
  LanForm lan(R"(
0 ui check cb_cleantable 0
0 connect PC1 u1
0 connect PC2 u2
0 connect PC3 u3
0 connect PC4 u4
0 connect PC5 u5
0 connect PC6 u6
1.5 disconnect PC6 u6
)");
  lan.runUntil(1);
  const ui::StringGrid& grid = lan.form().connectionsPage().st_conns;
  EXPECT_EQ(grid.rowCount(), 8);
  EXPECT_EQ(grid.cell(0, 6), "PC6");
  lan.runUntil(2);
  ASSERT_EQ(grid.rowCount(), 7);
  EXPECT_EQ(grid.cell(0, 5), "PC5");
  EXPECT_EQ(gridRow(grid, 6), Row(8, ""));
}

TEST(ConnectionsGrid, RemoteServerShowsLevel10Rows) {
  LanForm lan(R"(
0 ui check cb_cleantable 1
0 connect PC1 ivan cltype="Windows 2000" transport=NetBT_Tcpip
0 connect PC7 olga cltype="Windows XP" transport=NetBT_Tcpip on=SRV1
1.5 ui text Edit1 srv1
1.5 ui key Edit1 enter
)");
  lan.runUntil(1);
  const ui::StringGrid& grid = lan.form().connectionsPage().st_conns;
  EXPECT_EQ(grid.cell(0, 1), "PC1");
  lan.runUntil(2);
  ASSERT_EQ(grid.rowCount(), 3);
  EXPECT_EQ(gridRow(grid, 1),
            (Row{"PC7", "olga", "0:00:02", "0:00:02", "", "", "", "9:00:02"}));
}

TEST(ConnectionsGrid, RowsAreWrittenOnlyWhileTheirPageShows) {
  LanForm lan(R"(
0 ui check cb_cleantable 1
0 connect PC1 ivan
1.5 ui page 3
1.5 connect PC2 petr
3.5 ui page 0
)");
  lan.runUntil(1);
  const ui::StringGrid& grid = lan.form().connectionsPage().st_conns;
  EXPECT_EQ(grid.cell(7, 1), "9:00:01");

  // Sized for the sessions, but nothing written.
  lan.runUntil(3);
  ASSERT_EQ(grid.rowCount(), 4);
  EXPECT_EQ(gridRow(grid, 1),
            (Row{"PC1", "ivan", "0:00:01", "0:00:01", "", "", "0", "9:00:01"}));
  EXPECT_EQ(gridRow(grid, 2), Row(8, ""));

  lan.runUntil(4);
  EXPECT_EQ(grid.cell(7, 1), "9:00:04");
  EXPECT_EQ(grid.cell(0, 2), "PC2");
}

TEST(ConnectionsGrid, BatchedAnswersStillListEverySession) {
  LanForm lan(R"(
0 ui check cb_cleantable 0
0 batch 2
0 connect PC1 u1
0 connect PC2 u2
0 connect PC3 u3
0 connect PC4 u4
0 connect PC5 u5
)");
  lan.runUntil(1);
  const ui::StringGrid& grid = lan.form().connectionsPage().st_conns;
  ASSERT_EQ(grid.rowCount(), 7);
  for (int row = 1; row <= 5; ++row)
    EXPECT_EQ(grid.cell(0, row), "PC" + std::to_string(row));
  EXPECT_EQ(gridRow(grid, 6), Row(8, ""));
}

}  // namespace
}  // namespace ov::test
