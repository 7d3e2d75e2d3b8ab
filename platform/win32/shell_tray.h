#pragma once
// The notification-area icon through the shell, with a hidden window of its
// own for the icon's mouse messages and the shell's "TaskbarCreated".
#include "platform/tray.h"
// After the port: the shell's macros take its constants' names.
#include "platform/win32/native_window.h"

// The port's member, not the system's A/W name.
#undef Shell_NotifyIcon

namespace ov::win32 {

class ShellTray : public TrayPort, public NativeWindow {
 public:
  ShellTray();
  bool Shell_NotifyIcon(NotifyCommand command,
                        const NotifyIconData& data) override;
  bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  UINT taskbarCreated_;
  UINT callbackMessage_ = 0;
};

}  // namespace ov::win32
