#include "platform/win32/list_box.h"

#include "platform/win32/gui_style.h"
#include "platform/win32/menu.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

ListBox::ListBox(HWND parent, const ui::ControlArgs& args)
    : NativeControl(args) {
  createControl({.className = L"LISTBOX",
                 .style = kChildStyle | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY |
                          LBS_NOINTEGRALHEIGHT,
                 .exStyle = WS_EX_CLIENTEDGE,
                 .parent = parent,
                 .bounds = args.bounds});
}

void ListBox::addItem(const std::string& text) {
  NativeControl::addItem(text);
  SendMessageW(hwnd(), LB_ADDSTRING, 0,
               reinterpret_cast<LPARAM>(wideText(text).c_str()));
}

void ListBox::deleteItem(int index) {
  NativeControl::deleteItem(index);
  SendMessageW(hwnd(), LB_DELETESTRING, index, 0);
  SendMessageW(hwnd(), LB_SETCURSEL, selected(), 0);
}

void ListBox::clear() {
  NativeControl::clear();
  SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
}

void ListBox::setSelected(int index) {
  NativeControl::setSelected(index);
  SendMessageW(hwnd(), LB_SETCURSEL, selected(), 0);
}

void ListBox::onCommand(WORD code) {
  if (code == LBN_SELCHANGE)
    NativeControl::setSelected(
        static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0)));
}

bool ListBox::onContextMenu(POINT screen) {
  return showPopupMenu(popupMenu(), *this, hwnd(), screen);
}

HBRUSH ListBox::onCtlColor(HDC dc) { return silverBackground(dc); }

}  // namespace ov::win32
