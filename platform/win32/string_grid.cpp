#include "platform/win32/string_grid.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/headless/grid_layout.h"
#include "platform/win32/grid_painter.h"
#include "platform/win32/gui_style.h"
#include "platform/win32/menu.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

using headless::GridLayout;

namespace {

int clientHeight(HWND hwnd) {
  RECT client;
  GetClientRect(hwnd, &client);
  return client.bottom;
}

bool pointerOnColumnEdge(HWND hwnd, const GridLayout& layout) {
  POINT pointer;
  GetCursorPos(&pointer);
  ScreenToClient(hwnd, &pointer);
  return layout.headerEdgeAt(pointer.x, pointer.y) >= 0;
}

}  // namespace

StringGrid::StringGrid(HWND parent, const ui::GridArgs& args)
    : NativeControl(args) {
  createOwn({.className = kGridClass,
             .style = kChildStyle | WS_TABSTOP | WS_VSCROLL,
             .parent = parent,
             .bounds = args.control.bounds});
  showScrollBar();
}

void StringGrid::setBounds(ui::Rect bounds) {
  NativeControl::setBounds(bounds);
  scrollTo(topRow_);
}

void StringGrid::setRowCount(int rows) {
  NativeControl::setRowCount(rows);
  scrollTo(topRow_);
  redraw();
}

void StringGrid::setCell(int col, int row, const std::string& text) {
  if (cell(col, row) == text) return;
  NativeControl::setCell(col, row, text);
  redraw();
}

void StringGrid::setColWidth(int col, int width) {
  NativeControl::setColWidth(col, width);
  redraw();
}

void StringGrid::setSelectedRow(int row) {
  NativeControl::setSelectedRow(row);
  redraw();
}

std::optional<ui::GridCell> StringGrid::cellAt(ui::Point client) const {
  const GridLayout layout(*this, topRow_);
  const int row = layout.rowAt(client.y);
  const int col = layout.columnAt(client.x);
  if (row < 0 || col < 0) return std::nullopt;
  return ui::GridCell{col, row, layout.cell(col, row)};
}

int StringGrid::textWidth(const std::string& text) const {
  return textWidthIn(hwnd(), guiFont(), text);
}

ui::Point StringGrid::clientToScreen(ui::Point client) const {
  POINT point{client.x, client.y};
  ClientToScreen(hwnd(), &point);
  return {point.x, point.y};
}

bool StringGrid::onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  const int x = GET_X_LPARAM(lp);
  const int y = GET_Y_LPARAM(lp);
  switch (msg) {
    case WM_PAINT:
      paint();
      return true;
    case WM_SIZE:
      scrollTo(topRow_);
      return false;
    case WM_VSCROLL:
      onScroll(LOWORD(wp));
      return true;
    case WM_MOUSEWHEEL:
      scrollBy(GET_WHEEL_DELTA_WPARAM(wp) > 0 ? -3 : 3);
      return true;
    case WM_SETCURSOR:
      if (!pointerOnColumnEdge(hwnd(), GridLayout(*this, topRow_)))
        return false;
      SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
      result = TRUE;
      return true;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd());
      resizing_ = GridLayout(*this, topRow_).headerEdgeAt(x, y);
      if (resizing_ >= 0) {
        resizeOrigin_ = x - colWidth(resizing_);
        SetCapture(hwnd());
      } else {
        selectAt(y);
      }
      return true;
    case WM_MOUSEMOVE:
      if (resizing_ >= 0)
        setColWidth(resizing_, std::max(0, x - resizeOrigin_));
      else if (onMouseMove)
        onMouseMove({x, y});
      return true;
    case WM_LBUTTONUP:
      if (resizing_ >= 0) ReleaseCapture();
      resizing_ = -1;
      return true;
    case WM_RBUTTONDOWN:
      // The context menu that follows acts on the row under the pointer.
      SetFocus(hwnd());
      selectAt(y);
      return true;
    case WM_KEYDOWN:
      if (wp == VK_UP || wp == VK_DOWN) {
        setSelectedRow(selectedRow() + (wp == VK_UP ? -1 : 1));
        showSelectedRow();
      }
      return false;
    case WM_LBUTTONDBLCLK:
      if (onDblClick) onDblClick();
      return true;
    case WM_CONTEXTMENU:
      return showPopupMenu(popupMenu(), *this, hwnd(), {x, y});
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      redraw();
      return false;
    default:
      return false;
  }
}

void StringGrid::paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  RECT client;
  GetClientRect(hwnd(), &client);
  // Drawn off screen first: the monitor cycle rewrites the grid each second.
  HDC buffer = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old = SelectObject(buffer, bitmap);
  paintGrid(buffer, client, *this, topRow_, GetFocus() == hwnd());
  BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
  SelectObject(buffer, old);
  DeleteObject(bitmap);
  DeleteDC(buffer);
  EndPaint(hwnd(), &ps);
}

void StringGrid::selectAt(int y) {
  const int row = GridLayout(*this, topRow_).rowAt(y);
  if (row >= 1) setSelectedRow(row);
}

void StringGrid::scrollTo(int topRow) {
  const int shown =
      std::max(1, GridLayout::dataRowsFitting(clientHeight(hwnd())));
  const int last = std::max(1, rowCount() - shown);
  topRow = std::clamp(topRow, 1, last);
  if (topRow != topRow_) redraw();
  topRow_ = topRow;
  showScrollBar();
}

void StringGrid::showSelectedRow() {
  const int shown =
      std::max(1, GridLayout::dataRowsFitting(clientHeight(hwnd())));
  if (selectedRow() < topRow_)
    scrollTo(selectedRow());
  else if (selectedRow() >= topRow_ + shown)
    scrollTo(selectedRow() - shown + 1);
}

void StringGrid::onScroll(WORD request) {
  const int page =
      std::max(1, GridLayout::dataRowsFitting(clientHeight(hwnd())));
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_TRACKPOS;
  switch (request) {
    case SB_LINEUP:
      return scrollBy(-1);
    case SB_LINEDOWN:
      return scrollBy(1);
    case SB_PAGEUP:
      return scrollBy(-page);
    case SB_PAGEDOWN:
      return scrollBy(page);
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      GetScrollInfo(hwnd(), SB_VERT, &info);
      return scrollTo(info.nTrackPos + 1);
    default:
      return;
  }
}

void StringGrid::showScrollBar() {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(0, rowCount() - 2);
  info.nPage = std::max(1, GridLayout::dataRowsFitting(clientHeight(hwnd())));
  info.nPos = topRow_ - 1;
  SetScrollInfo(hwnd(), SB_VERT, &info, TRUE);
}

}  // namespace ov::win32
