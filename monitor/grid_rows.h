#pragma once
// Writing the monitor's rows into a grid whose row 0 is the header.
#include <cstddef>
#include <span>
#include <string>

#include "platform/ui.h"

namespace ov::monitor {

// cells go to columns 0, 1, ... of the row.
void writeGridRow(ui::StringGrid& grid, std::size_t row,
                  std::span<const std::string> cells);

// The grid holds the header, dataRows rows and one emptied row after them.
void fitGridRows(ui::StringGrid& grid, std::size_t dataRows);

}  // namespace ov::monitor
