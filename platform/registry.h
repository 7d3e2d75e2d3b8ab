#pragma once
// Registry port: the few calls on keys of the local machine's hive that
// the autorun setting makes.
#include <cstdint>
#include <optional>
#include <string_view>

namespace ov {

using RegKey = std::uintptr_t;

enum class RegAccess { read, setValue };

class RegistryPort {
 public:
  virtual ~RegistryPort() = default;
  // A key under HKEY_LOCAL_MACHINE; empty when it cannot be opened.
  virtual std::optional<RegKey> RegOpenKeyEx(std::string_view subKey,
                                             RegAccess access) = 0;
  // Whether the key holds a value of that name, whatever its type.
  virtual bool RegQueryValueEx(RegKey key, std::string_view name) = 0;
  // A string value, stored with its terminating zero.
  virtual bool RegSetValueEx(RegKey key, std::string_view name,
                             std::string_view data) = 0;
  virtual bool RegDeleteValue(RegKey key, std::string_view name) = 0;
  virtual void RegCloseKey(RegKey key) = 0;
};

}  // namespace ov
