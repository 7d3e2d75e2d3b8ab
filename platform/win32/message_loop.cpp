#include "platform/win32/message_loop.h"

namespace ov::win32 {

int runMessageLoop(WindowSystem& windows) {
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (windows.translateAccelerator(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace ov::win32
