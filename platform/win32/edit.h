#pragma once
// Edit boxes: one line, or several (a memo). Typing changes the text and
// runs onChange.
#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

template <typename Headless>
class EditWindow : public NativeControl<Headless> {
 public:
  EditWindow(HWND parent, const ui::ControlArgs& args);
  void setText(const std::string& text) override;
  void setReadOnly(bool readOnly) override;
  void onCommand(WORD code) override;
  HBRUSH onCtlColor(HDC dc) override;
  bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

using Edit = EditWindow<headless::Edit>;
using Memo = EditWindow<headless::Memo>;

}  // namespace ov::win32
