#pragma once
// A check box: a user click changes the state and runs onClick, as a
// change from the program does.
#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class CheckBox : public NativeControl<headless::CheckBox> {
 public:
  CheckBox(HWND parent, const ui::ControlArgs& args, bool checked);
  void setCaption(const std::string& caption) override;
  void setChecked(bool checked) override;
  void onCommand(WORD code) override;
};

}  // namespace ov::win32
