#include "platform/win32/label.h"

#include <algorithm>

#include "platform/win32/gui_style.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

namespace {

HFONT underlinedGuiFont() {
  LOGFONTW font{};
  GetObjectW(guiFont(), sizeof font, &font);
  font.lfUnderline = TRUE;
  return CreateFontIndirectW(&font);
}

}  // namespace

Label::Label(HWND parent, const ui::ControlArgs& args) : NativeControl(args) {
  createControl({.className = L"STATIC",
                 .text = args.caption,
                 .style = kChildStyle | SS_LEFT | SS_NOPREFIX | SS_NOTIFY,
                 .parent = parent,
                 .bounds = bounds()});
  if (args.bounds.width == 0 && args.bounds.height == 0) fitToText(parent);
}

void Label::fitToText(HWND parent) {
  constexpr int kRightMargin = 5;
  RECT client;
  GetClientRect(parent, &client);
  const ui::Rect place = bounds();
  RECT text{0, 0, std::max(1L, client.right - place.left - kRightMargin), 0};
  const std::wstring wide = wideText(caption());
  HDC dc = GetDC(hwnd());
  HGDIOBJ old = SelectObject(dc, guiFont());
  DrawTextW(dc, wide.c_str(), -1, &text,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(hwnd(), dc);
  setBounds({place.left, place.top, text.right, text.bottom});
}

Label::~Label() {
  if (underlined_) DeleteObject(underlined_);
}

void Label::setCaption(const std::string& caption) {
  NativeControl::setCaption(caption);
  setWindowText(hwnd(), caption);
}

void Label::setLinkStyle(uint32_t color, bool underline) {
  NativeControl::setLinkStyle(color, underline);
  link_ = true;
  color_ = RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
  if (underline && !underlined_) underlined_ = underlinedGuiFont();
  SendMessageW(hwnd(), WM_SETFONT,
               reinterpret_cast<WPARAM>(underline ? underlined_ : guiFont()),
               FALSE);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void Label::onCommand(WORD code) {
  if (code == STN_CLICKED && onClick) onClick();
}

HBRUSH Label::onCtlColor(HDC dc) {
  if (!link_) return nullptr;
  SetTextColor(dc, color_);
  SetBkMode(dc, TRANSPARENT);
  return GetSysColorBrush(COLOR_BTNFACE);
}

bool Label::onMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!pointerOver_) {
        pointerOver_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
        TrackMouseEvent(&track);
        if (onMouseEnter) onMouseEnter();
      }
      return false;
    case WM_MOUSELEAVE:
      pointerOver_ = false;
      if (onMouseLeave) onMouseLeave();
      return false;
    case WM_SETCURSOR:
      if (!link_) return false;
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      result = TRUE;
      return true;
    default:
      return false;
  }
}

}  // namespace ov::win32
