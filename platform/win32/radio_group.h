#pragma once
// A captioned frame of radio buttons, one per item, stacked from the top.
#include <vector>

#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class RadioGroup : public NativeControl<headless::RadioGroup> {
 public:
  RadioGroup(HWND parent, const ui::ItemsArgs& args);
  void setBounds(ui::Rect bounds) override;
  void setEnabled(bool enabled) override;
  void setItemIndex(int index) override;
  bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void placeButtons();
  void showItemIndex();

  std::vector<HWND> buttons_;
};

}  // namespace ov::win32
