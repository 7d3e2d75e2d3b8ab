#pragma once
// A captioned frame that holds other controls.
#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class GroupBox : public NativeControl<headless::GroupBox> {
 public:
  GroupBox(HWND parent, const ui::ControlArgs& args);
  void setCaption(const std::string& caption) override;
  bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace ov::win32
