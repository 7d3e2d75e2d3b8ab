#include "monitor/grid_rows.h"

namespace ov::monitor {

void writeGridRow(ui::StringGrid& grid, std::size_t row,
                  std::span<const std::string> cells) {
  for (std::size_t col = 0; col < cells.size(); ++col)
    grid.setCell(static_cast<int>(col), static_cast<int>(row), cells[col]);
}

void fitGridRows(ui::StringGrid& grid, std::size_t dataRows) {
  const int emptyRow = static_cast<int>(dataRows) + 1;
  grid.setRowCount(emptyRow + 1);
  for (int col = 0; col < grid.colCount(); ++col)
    grid.setCell(col, emptyRow, "");
}

}  // namespace ov::monitor
