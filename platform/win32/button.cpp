#include "platform/win32/button.h"

#include "platform/win32/window_text.h"

namespace ov::win32 {

Button::Button(HWND parent, const ui::ControlArgs& args) : NativeControl(args) {
  createControl({.className = L"BUTTON",
                 .text = args.caption,
                 .style = kChildStyle | WS_TABSTOP | BS_PUSHBUTTON,
                 .parent = parent,
                 .bounds = args.bounds});
}

void Button::setCaption(const std::string& caption) {
  NativeControl::setCaption(caption);
  setWindowText(hwnd(), caption);
}

void Button::onCommand(WORD code) {
  if (code == BN_CLICKED) click();
}

}  // namespace ov::win32
