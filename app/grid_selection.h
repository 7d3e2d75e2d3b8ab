#pragma once
// The text a grid command acts on: one cell of the selected row.
#include <string>

#include "platform/ui.h"

namespace ov {

inline const std::string& SelectedCell(const ui::StringGrid& grid, int column) {
  return grid.cell(column, grid.selectedRow());
}

}  // namespace ov
