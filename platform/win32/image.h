#pragma once
// The picture as a window: the in-memory pixels, with the texts in the
// default GUI font, go into a memory bitmap at present(), and the window
// paints from that bitmap.
#include "platform/headless/image.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class Image : public NativeControl<headless::Image> {
 public:
  Image(HWND parent, const ui::ControlArgs& args);
  ~Image() override;
  int textWidth(const std::string& text) const override;
  void present() override;
  ui::Point clientToScreen(ui::Point client) const override;
  bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void paint();
  // The memory DC with its bitmap selected; false when either could not be
  // made, and then neither is kept.
  bool makeMemoryBitmap();
  void releaseMemoryBitmap();

  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
};

}  // namespace ov::win32
