#pragma once
// The hint that shows a grid cell's whole text where the column cuts it.
#include "platform/ui.h"

namespace ov {

class CellHint {
 public:
  // Makes the tooltip owned by the open-files grid; when the system cannot,
  // says so once and the run goes without hints.
  CellHint(ui::WindowSystem& windows, ui::Form& form, ui::StringGrid& owner);
  // The pointer at a client point of either grid.
  void MouseMove(const ui::StringGrid& grid, ui::Point client);
  void Hide();

 private:
  ui::ToolTip* tip_;
};

}  // namespace ov
