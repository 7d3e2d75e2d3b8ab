#pragma once
// A push button: a click runs onClick.
#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class Button : public NativeControl<headless::Button> {
 public:
  Button(HWND parent, const ui::ControlArgs& args);
  void setCaption(const std::string& caption) override;
  void onCommand(WORD code) override;
};

}  // namespace ov::win32
