#pragma once
// A static text.
#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class Label : public NativeControl<headless::Label> {
 public:
  Label(HWND parent, const ui::ControlArgs& args);
  void setCaption(const std::string& caption) override;
};

}  // namespace ov::win32
