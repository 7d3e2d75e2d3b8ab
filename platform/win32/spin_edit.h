#pragma once
// A number box: an edit box with an up-down control beside it.
#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class SpinEdit : public NativeControl<headless::SpinEdit> {
 public:
  SpinEdit(HWND parent, const ui::SpinArgs& args);
  ~SpinEdit() override;
  void setValue(int value) override;
  void setEnabled(bool enabled) override;
  void setVisible(bool visible) override;
  void setBounds(ui::Rect bounds) override;
  void onCommand(WORD code) override;
  HBRUSH onCtlColor(HDC dc) override;

 private:
  void showValue();
  HWND upDown_ = nullptr;
};

}  // namespace ov::win32
