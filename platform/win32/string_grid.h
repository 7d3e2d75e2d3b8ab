#pragma once
// A string grid drawn by the program itself: the in-memory cells, a fixed
// header row, a vertical scroll bar, column widths dragged in the header.
#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class StringGrid : public NativeControl<headless::StringGrid> {
 public:
  StringGrid(HWND parent, const ui::GridArgs& args);
  void setBounds(ui::Rect bounds) override;
  void setRowCount(int rows) override;
  void setCell(int col, int row, const std::string& text) override;
  void setColWidth(int col, int width) override;
  void setSelectedRow(int row) override;
  std::optional<ui::GridCell> cellAt(ui::Point client) const override;
  int textWidth(const std::string& text) const override;
  ui::Point clientToScreen(ui::Point client) const override;
  bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void paint();
  void selectAt(int y);
  void scrollTo(int topRow);
  void scrollBy(int rows) { scrollTo(topRow_ + rows); }
  void showSelectedRow();
  void onScroll(WORD request);
  void showScrollBar();
  void redraw() { InvalidateRect(hwnd(), nullptr, FALSE); }

  int topRow_ = 1;  // the first data row shown
  int resizing_ = -1;
  int resizeOrigin_ = 0;
};

}  // namespace ov::win32
