#pragma once
// A run-time dialog: an owned pop-up window centred on its owner, shown
// with the owner disabled while its own message loop runs, so that the
// program's timers keep firing.
#include "platform/headless/dialog.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class Dialog : public NativeControl<headless::Dialog> {
 public:
  Dialog(HWND owner, const ui::DialogArgs& args,
         const headless::ModalLoop& loop);
  void setOpacity(int alpha) override;
  void closeBox() override;
  bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 protected:
  void runModal() override;

 private:
  HWND owner_;
};

}  // namespace ov::win32
