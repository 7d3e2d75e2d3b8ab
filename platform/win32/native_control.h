#pragma once
// A portable in-memory control with a native window: the in-memory base
// owns the state, and this layer pushes every change into the window.
#include "platform/win32/native_window.h"

namespace ov::win32 {

template <typename Headless>
class NativeControl : public Headless, public NativeWindow {
 public:
  using Headless::Headless;
  void setEnabled(bool enabled) override {
    Headless::setEnabled(enabled);
    EnableWindow(hwnd(), enabled);
  }
  void setVisible(bool visible) override {
    Headless::setVisible(visible);
    ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE);
  }
  void setBounds(ui::Rect bounds) override {
    Headless::setBounds(bounds);
    MoveWindow(hwnd(), bounds.left, bounds.top, bounds.width, bounds.height,
               TRUE);
  }

 protected:
  static constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE;
};

}  // namespace ov::win32
