#include "platform/win32/label.h"

#include "platform/win32/window_text.h"

namespace ov::win32 {

Label::Label(HWND parent, const ui::ControlArgs& args) : NativeControl(args) {
  createControl({.className = L"STATIC",
                 .text = args.caption,
                 .style = kChildStyle | SS_LEFT | SS_NOPREFIX,
                 .parent = parent,
                 .bounds = args.bounds});
}

void Label::setCaption(const std::string& caption) {
  NativeControl::setCaption(caption);
  setWindowText(hwnd(), caption);
}

}  // namespace ov::win32
