#include "platform/win32/win_shell.h"

#include "platform/win32/window_text.h"
#include "platform/win32/windows_api.h"
// After windows.h, which it needs.
#include <winnetwk.h>

namespace ov::win32 {

void WinShell::ShellExecute(std::optional<std::string_view> verb,
                            std::string_view file) {
  const std::wstring wideVerb = verb ? wideText(*verb) : std::wstring();
  ::ShellExecuteW(nullptr, verb ? wideVerb.c_str() : nullptr,
                  wideText(file).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void WinShell::WNetConnectionDialog(uint32_t resourceType) {
  ::WNetConnectionDialog(GetActiveWindow(), resourceType);
}

}  // namespace ov::win32
