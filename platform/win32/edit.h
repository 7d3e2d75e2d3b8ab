#pragma once
// A one-line edit box: typing changes the text and runs onChange.
#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class Edit : public NativeControl<headless::Edit> {
 public:
  Edit(HWND parent, const ui::ControlArgs& args);
  void setText(const std::string& text) override;
  void onCommand(WORD code) override;
  HBRUSH onCtlColor(HDC dc) override;
  bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace ov::win32
