// The string grid: rows under the pointer, scrolling, column widths dragged
// in the header, and where its layout puts the cells.
#include "platform/headless/grid_layout.h"
#include "tests/wine/win32/win32_test.h"

namespace ov::win32 {
namespace {

using headless::GridLayout;
using headless::kGridLine;
using headless::kGridRowHeight;

constexpr int kRowPitch = kGridRowHeight + kGridLine;

LPARAM at(int x, int y) { return MAKELPARAM(x, y); }

// 200 pixels high: the header and ten data rows show.
ui::GridArgs connsGrid() {
  ui::GridArgs args;
  args.control.name = "st_conns";
  args.control.bounds = {0, 0, 400, 200};
  args.colCount = 3;
  args.rowCount = 30;
  args.colWidths = {95, 89, 150};
  return args;
}

class GridTest : public Win32Test {
 protected:
  GridTest() {
    grid.setCell(0, 0, "Клиент");
    for (int row = 1; row < grid.rowCount(); ++row)
      grid.setCell(0, row, "PC-" + std::to_string(row));
  }
  int scrollPosition() const { return GetScrollPos(hwnd, SB_VERT); }

  ui::StringGrid& grid = windows.createStringGrid(form, connsGrid());
  HWND hwnd = hwndOf(grid);
};

TEST_F(GridTest, RightButtonSelectsTheRowUnderThePointer) {
  SendMessageW(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, at(10, 2 * kRowPitch + 3));
  EXPECT_EQ(grid.selectedRow(), 2);
  // The header row is not a row to act on.
  SendMessageW(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, at(10, 3));
  EXPECT_EQ(grid.selectedRow(), 2);
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at(200, 5 * kRowPitch + 3));
  EXPECT_EQ(grid.selectedRow(), 5);
}

TEST_F(GridTest, ScrollingMovesTheDataRowsUnderTheHeader) {
  SendMessageW(hwnd, WM_VSCROLL, SB_LINEDOWN, 0);
  SendMessageW(hwnd, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(scrollPosition(), 2);
  SendMessageW(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, at(10, kRowPitch + 3));
  EXPECT_EQ(grid.selectedRow(), 3);

  // No further than the last row at the bottom.
  SendMessageW(hwnd, WM_VSCROLL, SB_PAGEDOWN, 0);
  SendMessageW(hwnd, WM_VSCROLL, SB_PAGEDOWN, 0);
  SendMessageW(hwnd, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(scrollPosition(), 29 - 10);
  grid.setRowCount(5);
  EXPECT_EQ(scrollPosition(), 0);

  // The keyboard moves the selection and keeps it in sight.
  grid.setRowCount(30);
  grid.setSelectedRow(10);
  SendMessageW(hwnd, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(grid.selectedRow(), 11);
  EXPECT_EQ(scrollPosition(), 1);
}

TEST_F(GridTest, DraggingAHeaderEdgeChangesTheColumnWidth) {
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at(95, 5));
  SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, at(130, 40));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, at(130, 40));
  EXPECT_EQ(grid.colWidth(0), 130);
  EXPECT_NE(windows.registry().dump().find(R"("colWidths": [130, 89, 150])"),
            std::string::npos);
  // A press on a data row's edge selects the row instead.
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at(130, kRowPitch + 3));
  SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, at(160, kRowPitch + 3));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, at(160, kRowPitch + 3));
  EXPECT_EQ(grid.colWidth(0), 130);
  EXPECT_EQ(grid.selectedRow(), 1);
}

TEST_F(GridTest, DoubleClickRunsOnDblClick) {
  int doubleClicks = 0;
  grid.onDblClick = [&] { ++doubleClicks; };
  SendMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, at(10, kRowPitch + 3));
  EXPECT_EQ(doubleClicks, 1);
}

TEST_F(GridTest, LayoutPlacesCellsAndSkipsHiddenColumns) {
  GridLayout layout(grid, 1);
  const ui::Rect header = layout.cell(1, 0);
  EXPECT_EQ(header.left, 96);
  EXPECT_EQ(header.width, 89);
  EXPECT_EQ(header.height, kGridRowHeight);
  EXPECT_EQ(layout.cell(0, 3).top, 3 * kRowPitch);
  EXPECT_EQ(layout.columnAt(100), 1);
  EXPECT_EQ(layout.columnAt(95), -1);  // the line between columns

  grid.setColWidth(0, 0);
  EXPECT_EQ(GridLayout(grid, 1).cell(1, 0).left, 0);
  EXPECT_EQ(GridLayout(grid, 1).headerEdgeAt(89, 4), 1);
  EXPECT_EQ(GridLayout(grid, 1).headerEdgeAt(89, kRowPitch + 4), -1);

  const GridLayout scrolled(grid, 5);
  EXPECT_EQ(scrolled.rowAt(3), 0);
  EXPECT_EQ(scrolled.rowAt(kRowPitch + 1), 5);
  EXPECT_EQ(scrolled.rowAt(40 * kRowPitch), -1);
  EXPECT_EQ(scrolled.cell(0, 2).height, 0);  // scrolled out of sight
  EXPECT_EQ(GridLayout::dataRowsFitting(200), 10);
}

}  // namespace
}  // namespace ov::win32
