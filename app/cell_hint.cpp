#include "app/cell_hint.h"

namespace ov {

CellHint::CellHint(ui::WindowSystem& windows, ui::Form& form,
                   ui::StringGrid& owner)
    : tip_(windows.createToolTip(owner)) {
  if (!tip_)
    windows.messageBox(&form, "Couldn't create the ToolTip control.", "Error",
                       ui::MB_OK);
}

void CellHint::MouseMove(const ui::StringGrid& grid, ui::Point client) {
  if (!tip_) return;
  const auto cell = grid.cellAt(client);
  // Data cells only; the header hides it.
  if (!cell || cell->row < 1) {
    Hide();
    return;
  }
  const std::string& text = grid.cell(cell->col, cell->row);
  if (grid.textWidth(text) <= cell->rect.width) {
    Hide();
    return;
  }
  tip_->showAt(grid.clientToScreen({cell->rect.left, cell->rect.top}), text);
}

void CellHint::Hide() {
  if (!tip_) return;
  tip_->hide();
}

}  // namespace ov
