#include "platform/win32/radio_group.h"

#include <algorithm>

#include "platform/win32/gui_style.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

namespace {

constexpr int kFirstTop = 16;
constexpr int kButtonHeight = 17;
constexpr int kMargin = 8;

}  // namespace

RadioGroup::RadioGroup(HWND parent, const ui::ItemsArgs& args)
    : NativeControl(args) {
  createControl({.className = L"BUTTON",
                 .text = caption(),
                 .style = kChildStyle | WS_CLIPCHILDREN | BS_GROUPBOX,
                 .parent = parent,
                 .bounds = args.control.bounds});
  for (const auto& item : items()) {
    const DWORD first = buttons_.empty() ? WS_GROUP | WS_TABSTOP : 0;
    HWND button =
        CreateWindowExW(0, L"BUTTON", wideText(item).c_str(),
                        kChildStyle | BS_AUTORADIOBUTTON | first, 0, 0, 0, 0,
                        hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    setGuiFont(button);
    buttons_.push_back(button);
  }
  placeButtons();
  showItemIndex();
}

void RadioGroup::setBounds(ui::Rect bounds) {
  NativeControl::setBounds(bounds);
  placeButtons();
}

void RadioGroup::setEnabled(bool enabled) {
  NativeControl::setEnabled(enabled);
  for (HWND button : buttons_) EnableWindow(button, enabled);
}

void RadioGroup::setItemIndex(int index) {
  NativeControl::setItemIndex(index);
  showItemIndex();
}

bool RadioGroup::onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_ERASEBKGND) {
    result = fillWithButtonFace(hwnd(), reinterpret_cast<HDC>(wp));
    return true;
  }
  if (msg != WM_COMMAND || HIWORD(wp) != BN_CLICKED) return false;
  const auto it =
      std::find(buttons_.begin(), buttons_.end(), reinterpret_cast<HWND>(lp));
  if (it == buttons_.end()) return false;
  NativeControl::setItemIndex(static_cast<int>(it - buttons_.begin()));
  if (onClick) onClick();
  return true;
}

void RadioGroup::placeButtons() {
  const ui::Rect frame = bounds();
  int top = kFirstTop;
  for (HWND button : buttons_) {
    MoveWindow(button, kMargin, top, std::max(0, frame.width - 2 * kMargin),
               kButtonHeight, TRUE);
    top += kButtonHeight + 2;
  }
}

void RadioGroup::showItemIndex() {
  for (size_t i = 0; i < buttons_.size(); ++i)
    SendMessageW(
        buttons_[i], BM_SETCHECK,
        static_cast<int>(i) == itemIndex() ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace ov::win32
