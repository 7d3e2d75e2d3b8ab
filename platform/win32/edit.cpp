#include "platform/win32/edit.h"

#include "platform/win32/gui_style.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

Edit::Edit(HWND parent, const ui::ControlArgs& args) : NativeControl(args) {
  createControl({.className = L"EDIT",
                 .text = args.caption,
                 .style = kChildStyle | WS_TABSTOP | ES_AUTOHSCROLL,
                 .exStyle = WS_EX_CLIENTEDGE,
                 .parent = parent,
                 .bounds = args.bounds});
}

void Edit::setText(const std::string& text) {
  NativeControl::setText(text);
  if (windowText(hwnd()) != text) setWindowText(hwnd(), text);
}

void Edit::onCommand(WORD code) {
  if (code == EN_CHANGE) NativeControl::setText(windowText(hwnd()));
}

HBRUSH Edit::onCtlColor(HDC dc) { return silverBackground(dc); }

bool Edit::onMessage(UINT msg, WPARAM wp, LPARAM, LRESULT&) {
  if (msg == WM_LBUTTONDBLCLK && onDblClick) onDblClick();
  if (msg != WM_CHAR || wp >= 0x80) return false;
  keyPress(static_cast<char>(wp));
  // A one-line box has no use for Enter but a beep.
  return wp == '\r';
}

}  // namespace ov::win32
