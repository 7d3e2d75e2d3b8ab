// The open-files grid and which entries count as open files.
#include <gtest/gtest.h>

#include "lan_form.h"

namespace ov::test {
namespace {

using Row = std::vector<std::string>;

std::string lastTip(const LanForm& lan) { return lan.calls("TrayIcon").back(); }

TEST(OpenFiles, PipesAndDirectoriesAreShownButNotCounted) {
  LanForm lan(R"(
0 ui check cb_logsys 1
0 connect PC1 ivan
0 dir C:\Docs\Sub
0 open 7 PC1 ivan C:\Docs\a.doc perm=3 locks=2
0 open 8 PC1 ivan \PIPE\spoolss perm=7
0 open 9 PC1 ivan C:\Docs\Sub
0 open 10 PC1 ivan C:\Docs\b.txt perm=4
0.5 ui tray dblclick
2.5 ui check cb_logsys 0
)");
  lan.runUntil(1);
  const ui::StringGrid& grid = lan.form().connectionsPage().st_files;
  ASSERT_EQ(grid.rowCount(), 6);
  EXPECT_EQ(gridRow(grid, 0),
            (Row{"Подключён", "ID", "Разр.", "Запр.", "Файл/путь"}));
  EXPECT_EQ(gridRow(grid, 1),
            (Row{"ivan", "7", "R/W", "2", "C:\\Docs\\a.doc"}));
  EXPECT_EQ(gridRow(grid, 2),
            (Row{"ivan", "8", "C/R/W", "0", "\\PIPE\\spoolss"}));
  EXPECT_EQ(gridRow(grid, 3), (Row{"ivan", "9", "DIR", "0", "C:\\Docs\\Sub"}));
  EXPECT_EQ(gridRow(grid, 4),
            (Row{"ivan", "10", "создан", "0", "C:\\Docs\\b.txt"}));
  EXPECT_EQ(gridRow(grid, 5), Row(5, ""));
  EXPECT_EQ(lastTip(lan),
            R"(["modify", "files", "Соединений:1; Открыто:2", 1007])");

  // Without the switch the pipe counts; the directory never does.
  lan.runUntil(3);
  EXPECT_EQ(lastTip(lan),
            R"(["modify", "files", "Соединений:1; Открыто:3", 1007])");
}

TEST(OpenFiles, GridShrinksToTheFilesAndEmptiesTheRowAfterThem) {
  LanForm lan(R"(
0 connect PC1 ivan
0 open 1 PC1 ivan C:\a.doc
0 open 2 PC1 ivan C:\b.doc
0 open 3 PC1 ivan C:\c.doc
0.5 ui tray dblclick
1.5 close 2
2.5 close 1
2.5 close 3
)");
  lan.runUntil(1);
  const ui::StringGrid& grid = lan.form().connectionsPage().st_files;
  EXPECT_EQ(grid.rowCount(), 5);
  lan.runUntil(2);
  ASSERT_EQ(grid.rowCount(), 4);
  EXPECT_EQ(grid.cell(4, 2), "C:\\c.doc");
  EXPECT_EQ(gridRow(grid, 3), Row(5, ""));
  lan.runUntil(3);
  ASSERT_EQ(grid.rowCount(), 2);
  EXPECT_EQ(gridRow(grid, 1), Row(5, ""));
}

TEST(OpenFiles, RowsAreWrittenOnlyInTheNormalWindowOnItsPage) {
  LanForm lan(R"(
0 connect PC1 ivan
0 open 1 PC1 ivan C:\a.doc
0.5 ui tray dblclick
1.5 open 2 PC1 ivan C:\b.doc
3.5 ui page 5
3.5 open 3 PC1 ivan C:\c.doc
)");
  lan.runUntil(1);
  const ui::StringGrid& grid = lan.form().connectionsPage().st_files;
  lan.form().mainWindow().Form1.setWindowState(ui::WindowState::minimized);
  lan.runUntil(2);
  ASSERT_EQ(grid.rowCount(), 4);
  EXPECT_EQ(grid.cell(4, 1), "C:\\a.doc");
  EXPECT_EQ(grid.cell(4, 2), "");
  // Counted all the same.
  EXPECT_EQ(lastTip(lan),
            R"(["modify", "files", "Соединений:1; Открыто:2", 1007])");

  lan.form().mainWindow().Form1.setWindowState(ui::WindowState::normal);
  lan.runUntil(3);
  EXPECT_EQ(grid.cell(4, 2), "C:\\b.doc");
  lan.runUntil(4);
  ASSERT_EQ(grid.rowCount(), 5);
  EXPECT_EQ(grid.cell(4, 3), "");
}

TEST(OpenFiles, BatchedAnswersStillListAndCountEveryFile) {
  LanForm lan(R"(
0 batch 2
0 connect PC1 ivan
0 open 1 PC1 ivan C:\1.doc
0 open 2 PC1 ivan C:\2.doc
0 open 3 PC1 ivan C:\3.doc
0 open 4 PC1 ivan C:\4.doc
0 open 5 PC1 ivan C:\5.doc
0.5 ui tray dblclick
)");
  lan.runUntil(1);
  const ui::StringGrid& grid = lan.form().connectionsPage().st_files;
  ASSERT_EQ(grid.rowCount(), 7);
  for (int row = 1; row <= 5; ++row)
    EXPECT_EQ(grid.cell(1, row), std::to_string(row));
  EXPECT_EQ(gridRow(grid, 6), Row(5, ""));
  EXPECT_EQ(lastTip(lan),
            R"(["modify", "files", "Соединений:1; Открыто:5", 1007])");
}

}  // namespace
}  // namespace ov::test
