#pragma once
// Where the rows and columns of a string grid are: one fixed header row,
// rows 16 pixels high, one-pixel lines between cells.
#include "platform/ui.h"

namespace ov::headless {

inline constexpr int kGridRowHeight = 16;
inline constexpr int kGridLine = 1;

class GridLayout {
 public:
  GridLayout(const ui::StringGrid& grid, int topRow)
      : grid_(grid), topRow_(topRow) {}
  // The cell's rectangle in client coordinates; rows above topRow (other
  // than the header) are not shown and have an empty rectangle.
  ui::Rect cell(int col, int row) const;
  // The row under a client y, or -1.
  int rowAt(int y) const;
  // The shown column under a client x, or -1.
  int columnAt(int x) const;
  // The column whose right edge a point of the header row is within a few
  // pixels of, or -1: where a drag changes the column's width.
  int headerEdgeAt(int x, int y) const;
  // Data rows that fit a client height.
  static int dataRowsFitting(int height);

 private:
  const ui::StringGrid& grid_;
  int topRow_;
};

}  // namespace ov::headless
