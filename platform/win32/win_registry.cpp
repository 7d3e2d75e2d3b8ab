#include "platform/win32/win_registry.h"

#include "platform/win32/window_text.h"
#include "platform/win32/windows_api.h"

namespace ov::win32 {

namespace {

HKEY handle(RegKey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

std::optional<RegKey> WinRegistry::RegOpenKeyEx(std::string_view subKey,
                                                RegAccess access) {
  HKEY key = nullptr;
  const REGSAM rights = access == RegAccess::read ? KEY_READ : KEY_SET_VALUE;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, wideText(subKey).c_str(), 0, rights,
                      &key) != ERROR_SUCCESS)
    return std::nullopt;
  return reinterpret_cast<RegKey>(key);
}

bool WinRegistry::RegQueryValueEx(RegKey key, std::string_view name) {
  return ::RegQueryValueExW(handle(key), wideText(name).c_str(), nullptr,
                            nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool WinRegistry::RegSetValueEx(RegKey key, std::string_view name,
                                std::string_view data) {
  const std::wstring wide = wideText(data);
  const auto bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
  return ::RegSetValueExW(handle(key), wideText(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(wide.c_str()),
                          bytes) == ERROR_SUCCESS;
}

bool WinRegistry::RegDeleteValue(RegKey key, std::string_view name) {
  return ::RegDeleteValueW(handle(key), wideText(name).c_str()) ==
         ERROR_SUCCESS;
}

void WinRegistry::RegCloseKey(RegKey key) { ::RegCloseKey(handle(key)); }

}  // namespace ov::win32
