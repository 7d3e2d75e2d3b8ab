#pragma once
// The registry port over the system's registry functions.
#include "platform/registry.h"

namespace ov::win32 {

class WinRegistry : public RegistryPort {
 public:
  std::optional<RegKey> RegOpenKeyEx(std::string_view subKey,
                                     RegAccess access) override;
  bool RegQueryValueEx(RegKey key, std::string_view name) override;
  bool RegSetValueEx(RegKey key, std::string_view name,
                     std::string_view data) override;
  bool RegDeleteValue(RegKey key, std::string_view name) override;
  void RegCloseKey(RegKey key) override;
};

}  // namespace ov::win32
