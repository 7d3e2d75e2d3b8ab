#pragma once
// The program's icon on a window, as a picture.
#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class AppIcon : public NativeControl<headless::AppIcon> {
 public:
  AppIcon(HWND parent, const ui::ControlArgs& args);
};

}  // namespace ov::win32
