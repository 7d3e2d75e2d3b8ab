#pragma once
// A list of text lines with one selection and a context menu.
#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class ListBox : public NativeControl<headless::ListBox> {
 public:
  ListBox(HWND parent, const ui::ControlArgs& args);
  void addItem(const std::string& text) override;
  void deleteItem(int index) override;
  void clear() override;
  void setSelected(int index) override;
  void onCommand(WORD code) override;
  bool onContextMenu(POINT screen) override;
  HBRUSH onCtlColor(HDC dc) override;
};

}  // namespace ov::win32
