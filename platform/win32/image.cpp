#include "platform/win32/image.h"

#include <windowsx.h>

#include "platform/text/utf16.h"
#include "platform/win32/gui_style.h"

namespace ov::win32 {

namespace {

// The texts are drawn in the system's GUI font.
HFONT textFont() {
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace

Image::Image(HWND parent, const ui::ControlArgs& args) : NativeControl(args) {
  createOwn({.className = kPanelClass,
             .style = kChildStyle,
             .parent = parent,
             .bounds = args.bounds});
}

Image::~Image() { releaseMemoryBitmap(); }

void Image::releaseMemoryBitmap() {
  if (memory_ != nullptr) {
    if (oldBitmap_ != nullptr) SelectObject(memory_, oldBitmap_);
    DeleteDC(memory_);
  }
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  memory_ = nullptr;
  bitmap_ = nullptr;
  oldBitmap_ = nullptr;
}

bool Image::makeMemoryBitmap() {
  if (memory_ != nullptr) return true;
  HDC screen = GetDC(hwnd());
  memory_ = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, width(), height());
  ReleaseDC(hwnd(), screen);
  if (memory_ == nullptr || bitmap_ == nullptr) {
    // Half of it would take the drawing without showing it: the next
    // present tries both again.
    releaseMemoryBitmap();
    return false;
  }
  oldBitmap_ = SelectObject(memory_, bitmap_);
  return true;
}

int Image::textWidth(const std::string& text) const {
  return textWidthIn(hwnd(), textFont(), text);
}

void Image::present() {
  if (width() <= 0 || height() <= 0 || !makeMemoryBitmap()) return;
  // 32-bit pixels top-down: 0x00RRGGBB is the DIB's own order.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width();
  info.bmiHeader.biHeight = -height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(memory_, 0, 0, width(), height(), 0, 0, 0, height(),
                    pixels().data(), &info, DIB_RGB_COLORS);
  const HGDIOBJ oldFont = SelectObject(memory_, textFont());
  SetBkMode(memory_, TRANSPARENT);
  SetTextColor(memory_, RGB(0, 0, 0));
  for (const Text& text : texts()) {
    const std::wstring wide = utf8ToWide(text.text);
    TextOutW(memory_, text.at.x, text.at.y, wide.c_str(),
             static_cast<int>(wide.size()));
  }
  SelectObject(memory_, oldFont);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void Image::paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  if (memory_ != nullptr)
    BitBlt(dc, 0, 0, width(), height(), memory_, 0, 0, SRCCOPY);
  EndPaint(hwnd(), &ps);
}

ui::Point Image::clientToScreen(ui::Point client) const {
  POINT point{client.x, client.y};
  ClientToScreen(hwnd(), &point);
  return {point.x, point.y};
}

bool Image::onMessage(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      result = 1;  // the bitmap covers it all
      return true;
    case WM_PAINT:
      paint();
      result = 0;
      return true;
    case WM_MOUSEMOVE:
      if (onMouseMove) onMouseMove({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace ov::win32
