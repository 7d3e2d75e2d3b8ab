#include "platform/win32/grid_painter.h"

#include "platform/headless/grid_layout.h"
#include "platform/win32/gui_style.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

namespace {

// Grey down the left and along the bottom, white up the right and back
// along the top.
void drawHeaderBevel(HDC dc, const RECT& cell) {
  HPEN grey = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
  HGDIOBJ old = SelectObject(dc, grey);
  MoveToEx(dc, cell.left, cell.top, nullptr);
  LineTo(dc, cell.left, cell.bottom - 1);
  LineTo(dc, cell.right - 1, cell.bottom - 1);
  SelectObject(dc, GetStockObject(WHITE_PEN));
  LineTo(dc, cell.right - 1, cell.top);
  LineTo(dc, cell.left, cell.top);
  SelectObject(dc, old);
  DeleteObject(grey);
}

void drawCell(HDC dc, const ui::StringGrid& grid, int col, int row,
              const RECT& cell) {
  if (row == 0) drawHeaderBevel(dc, cell);
  const uint32_t color = grid.cellColor(col, row);
  SetTextColor(dc,
               RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF));
  const std::wstring text = wideText(grid.cell(col, row));
  ExtTextOutW(dc, cell.left + 2, cell.top + 2, ETO_CLIPPED, &cell, text.c_str(),
              static_cast<UINT>(text.size()), nullptr);
}

RECT nativeRect(ui::Rect r) {
  return {r.left, r.top, r.left + r.width, r.top + r.height};
}

}  // namespace

void paintGrid(HDC dc, const RECT& client, const ui::StringGrid& grid,
               int topRow, bool focused) {
  FillRect(dc, &client, silverBrush());
  SelectObject(dc, guiFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  const headless::GridLayout layout(grid, topRow);
  for (int row = 0; row < grid.rowCount(); ++row) {
    if (row != 0 && row < topRow) continue;
    const RECT first = nativeRect(layout.cell(0, row));
    if (first.top >= client.bottom) break;
    for (int col = 0; col < grid.colCount(); ++col) {
      if (grid.colWidth(col) <= 0) continue;
      drawCell(dc, grid, col, row, nativeRect(layout.cell(col, row)));
    }
  }
  const int selected = grid.selectedRow();
  if (focused && selected >= topRow) {
    RECT row = nativeRect(layout.cell(0, selected));
    row.right = nativeRect(layout.cell(grid.colCount() - 1, selected)).right;
    DrawFocusRect(dc, &row);
  }
}

}  // namespace ov::win32
