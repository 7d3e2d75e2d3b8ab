#pragma once
// A shortcut field: the user presses a key combination into it.
#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class HotKey : public NativeControl<headless::HotKey> {
 public:
  HotKey(HWND parent, const ui::ControlArgs& args, uint16_t word);
  void setValue(uint16_t word) override;
  void onCommand(WORD code) override;
};

}  // namespace ov::win32
