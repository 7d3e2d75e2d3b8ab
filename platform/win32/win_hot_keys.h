#pragma once
// System-wide hot keys, registered for a hidden window of their own whose
// WM_HOTKEY messages become the port's notices.
#include "platform/hotkeys.h"
#include "platform/win32/native_window.h"

namespace ov::win32 {

class WinHotKeys : public HotKeyPort, public NativeWindow {
 public:
  WinHotKeys();
  ~WinHotKeys() override;
  bool RegisterHotKey(int id, unsigned modifiers, unsigned vk) override;
  bool UnregisterHotKey(int id) override;
  bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

}  // namespace ov::win32
