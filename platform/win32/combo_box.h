#pragma once
// A drop-down combo box with an edit field: the user's choice or typing
// runs onChange, the program's changes do not.
#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class ComboBox : public NativeControl<headless::ComboBox> {
 public:
  ComboBox(HWND parent, const ui::ItemsArgs& args);
  void setBounds(ui::Rect bounds) override;
  void setItemIndex(int index) override;
  void setText(const std::string& text) override;
  void addItem(const std::string& item) override;
  void onCommand(WORD code) override;
};

}  // namespace ov::win32
