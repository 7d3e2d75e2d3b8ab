#include "platform/headless/grid_layout.h"

#include <cstdlib>

namespace ov::headless {

namespace {

constexpr int kRowPitch = kGridRowHeight + kGridLine;
constexpr int kEdgeSlack = 3;

}  // namespace

ui::Rect GridLayout::cell(int col, int row) const {
  int left = 0;
  for (int c = 0; c < col; ++c)
    if (grid_.colWidth(c) > 0) left += grid_.colWidth(c) + kGridLine;
  if (row != 0 && row < topRow_) return {};
  const int top = row == 0 ? 0 : (row - topRow_ + 1) * kRowPitch;
  return {left, top, grid_.colWidth(col), kGridRowHeight};
}

int GridLayout::columnAt(int x) const {
  int left = 0;
  for (int c = 0; c < grid_.colCount(); ++c) {
    if (grid_.colWidth(c) <= 0) continue;
    if (x >= left && x < left + grid_.colWidth(c)) return c;
    left += grid_.colWidth(c) + kGridLine;
  }
  return -1;
}

int GridLayout::rowAt(int y) const {
  if (y < 0) return -1;
  const int shown = y / kRowPitch;
  const int row = shown == 0 ? 0 : topRow_ + shown - 1;
  return row < grid_.rowCount() ? row : -1;
}

int GridLayout::headerEdgeAt(int x, int y) const {
  if (rowAt(y) != 0) return -1;
  int right = 0;
  for (int c = 0; c < grid_.colCount(); ++c) {
    if (grid_.colWidth(c) <= 0) continue;
    right += grid_.colWidth(c);
    if (std::abs(x - right) <= kEdgeSlack) return c;
    right += kGridLine;
  }
  return -1;
}

int GridLayout::dataRowsFitting(int height) { return height / kRowPitch - 1; }

}  // namespace ov::headless
