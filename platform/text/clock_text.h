#pragma once
// "H:MM:SS", the hours as many digits as they take: the grids show it for
// every session on every cycle, where a printf costs more than the rest of
// the row.
#include <cstdint>
#include <string>

namespace ov {

std::string clockText(uint32_t hours, uint32_t minutes, uint32_t seconds);

}  // namespace ov
