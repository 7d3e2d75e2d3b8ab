#pragma once
// Paints a string grid: silver cells, a raised header row, the texts.
#include <windows.h>

#include "platform/ui.h"

namespace ov::win32 {

void paintGrid(HDC dc, const RECT& client, const ui::StringGrid& grid,
               int topRow, bool focused);

}  // namespace ov::win32
