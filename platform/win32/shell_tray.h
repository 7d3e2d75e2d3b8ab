#pragma once
// The notification-area icon through the shell, with a hidden window of its
// own for the icon's mouse messages and the shell's "TaskbarCreated".
#include "platform/tray.h"
#include "platform/win32/native_window.h"

namespace ov::win32 {

class ShellTray : public TrayPort, public NativeWindow {
 public:
  ShellTray();
  bool Shell_NotifyIcon(NotifyCommand command,
                        const NotifyIconData& data) override;
  bool CanShowBalloons() override;
  bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  UINT taskbarCreated_;
  UINT callbackMessage_ = 0;
};

}  // namespace ov::win32
