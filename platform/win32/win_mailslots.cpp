#include "platform/win32/win_mailslots.h"

#include "platform/win32/window_text.h"
#include "platform/win32/windows_api.h"

namespace ov::win32 {

bool WinMailslots::WriteMailslot(std::string_view name,
                                 std::string_view block) {
  HANDLE slot =
      CreateFileW(wideText(name).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (slot == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool wrote =
      WriteFile(slot, block.data(), static_cast<DWORD>(block.size()), &written,
                nullptr) &&
      written == block.size();
  CloseHandle(slot);
  return wrote;
}

}  // namespace ov::win32
