#include "platform/win32/group_box.h"

#include "platform/win32/gui_style.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

GroupBox::GroupBox(HWND parent, const ui::ControlArgs& args)
    : NativeControl(args) {
  createControl({.className = L"BUTTON",
                 .text = args.caption,
                 .style = kChildStyle | WS_CLIPCHILDREN | BS_GROUPBOX,
                 .parent = parent,
                 .bounds = args.bounds});
}

void GroupBox::setCaption(const std::string& caption) {
  NativeControl::setCaption(caption);
  setWindowText(hwnd(), caption);
}

bool GroupBox::onMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  // The frame control leaves its inside unpainted, which shows garbage once
  // it holds children and clips them.
  if (msg != WM_ERASEBKGND) return false;
  result = fillWithButtonFace(hwnd(), reinterpret_cast<HDC>(wp));
  return true;
}

}  // namespace ov::win32
