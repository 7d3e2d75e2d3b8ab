#pragma once
// The text colours of the two grids' cells (StringG1DrawCell): open files
// by their permission, connections by how long they have been idle.
#include <cstdint>

#include "platform/ui.h"

namespace ov {

inline constexpr uint32_t kColorBlack = 0x000000;
inline constexpr uint32_t kColorMaroon = 0x800000;
inline constexpr uint32_t kColorGreen = 0x008000;
inline constexpr uint32_t kColorNavy = 0x000080;

// 0xRRGGBB. The header row is black; a connection whose idle time cannot
// be read (an empty row) is black like an idle one.
uint32_t OpenFilesCellColor(const ui::StringGrid& grid, int row);
uint32_t ConnectionsCellColor(const ui::StringGrid& grid, int row);

}  // namespace ov
