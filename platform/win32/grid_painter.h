#pragma once
// Paints a string grid: silver cells, a raised header row, the texts.
#include "platform/ui.h"
#include "platform/win32/windows_api.h"

namespace ov::win32 {

void paintGrid(HDC dc, const RECT& client, const ui::StringGrid& grid,
               int topRow, bool focused);

}  // namespace ov::win32
