#include "platform/win32/message_loop.h"

#include "platform/win32/handler_errors.h"

namespace ov::win32 {

int runMessageLoop(WindowSystem& windows) {
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    // Timer procedures and the accelerators run outside the window
    // procedures' own guard.
    runGuarded(msg.hwnd, [&] {
      if (windows.translateAccelerator(msg)) return;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    });
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace ov::win32
