#include "platform/win32/check_box.h"

#include <windowsx.h>

#include "platform/win32/window_text.h"

namespace ov::win32 {

CheckBox::CheckBox(HWND parent, const ui::ControlArgs& args, bool checked)
    : NativeControl(args, checked) {
  createControl({.className = L"BUTTON",
                 .text = args.caption,
                 .style = kChildStyle | WS_TABSTOP | BS_AUTOCHECKBOX,
                 .parent = parent,
                 .bounds = args.bounds});
  Button_SetCheck(hwnd(), checked ? BST_CHECKED : BST_UNCHECKED);
}

void CheckBox::setCaption(const std::string& caption) {
  NativeControl::setCaption(caption);
  setWindowText(hwnd(), caption);
}

void CheckBox::setChecked(bool checked) {
  // The window first: the click handler may read or change it again.
  Button_SetCheck(hwnd(), checked ? BST_CHECKED : BST_UNCHECKED);
  NativeControl::setChecked(checked);
}

void CheckBox::onCommand(WORD code) {
  if (code == BN_CLICKED)
    NativeControl::setChecked(Button_GetCheck(hwnd()) == BST_CHECKED);
}

}  // namespace ov::win32
