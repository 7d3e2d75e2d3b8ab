#pragma once
// A static text; as a link it takes its colour and underline, reports the
// pointer coming and going and its clicks, and shows the hand pointer.
#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class Label : public NativeControl<headless::Label> {
 public:
  Label(HWND parent, const ui::ControlArgs& args);
  ~Label() override;
  void setCaption(const std::string& caption) override;
  void setLinkStyle(uint32_t color, bool underline) override;
  void onCommand(WORD code) override;
  HBRUSH onCtlColor(HDC dc) override;
  bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  // Takes its text's size, wrapped at the parent's right edge.
  void fitToText(HWND parent);

  bool link_ = false;
  COLORREF color_ = 0;
  bool pointerOver_ = false;
  HFONT underlined_ = nullptr;
};

}  // namespace ov::win32
