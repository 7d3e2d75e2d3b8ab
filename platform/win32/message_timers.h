#pragma once
// Message-loop timers: SetTimer on one hidden message window, so every
// tick arrives on the GUI thread between other messages.
#include <map>

#include "platform/clock.h"
#include "platform/win32/native_window.h"

namespace ov::win32 {

class MessageTimers : public TimerFactory, public NativeWindow {
 public:
  MessageTimers();
  std::unique_ptr<Timer> createTimer(uint32_t intervalMs,
                                     bool enabled) override;
  bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  class WindowTimer;
  std::map<UINT_PTR, WindowTimer*> timers_;
  UINT_PTR nextId_ = 1;
};

}  // namespace ov::win32
