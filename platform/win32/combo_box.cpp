#include "platform/win32/combo_box.h"

#include "platform/win32/window_text.h"

namespace ov::win32 {

namespace {

// The window's height includes its open list.
constexpr int kListHeight = 200;

ui::Rect withList(ui::Rect bounds) {
  bounds.height += kListHeight;
  return bounds;
}

}  // namespace

ComboBox::ComboBox(HWND parent, const ui::ItemsArgs& args)
    : NativeControl(args) {
  createControl({.className = L"COMBOBOX",
                 .style = kChildStyle | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN |
                          CBS_AUTOHSCROLL,
                 .parent = parent,
                 .bounds = withList(args.control.bounds)});
  for (const auto& item : items())
    SendMessageW(hwnd(), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(wideText(item).c_str()));
  setWindowText(hwnd(), text());
  if (itemIndex() >= 0) SendMessageW(hwnd(), CB_SETCURSEL, itemIndex(), 0);
}

void ComboBox::setBounds(ui::Rect bounds) {
  headless::ComboBox::setBounds(bounds);
  const ui::Rect shown = withList(bounds);
  MoveWindow(hwnd(), shown.left, shown.top, shown.width, shown.height, TRUE);
}

void ComboBox::setItemIndex(int index) {
  NativeControl::setItemIndex(index);
  SendMessageW(hwnd(), CB_SETCURSEL, itemIndex(), 0);
}

void ComboBox::setText(const std::string& text) {
  NativeControl::setText(text);
  setWindowText(hwnd(), text);
}

void ComboBox::addItem(const std::string& item) {
  NativeControl::addItem(item);
  SendMessageW(hwnd(), CB_ADDSTRING, 0,
               reinterpret_cast<LPARAM>(wideText(item).c_str()));
}

void ComboBox::onCommand(WORD code) {
  if (code == CBN_SELCHANGE)
    NativeControl::setItemIndex(
        static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0)));
  else if (code == CBN_EDITCHANGE)
    NativeControl::setText(windowText(hwnd()));
  else
    return;
  if (onChange) onChange();
}

}  // namespace ov::win32
