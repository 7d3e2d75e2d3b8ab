#pragma once
// Shell port: a file, folder or computer handed to the shell to open, and
// the shell's dialog that maps a network drive.
#include <cstdint>
#include <optional>
#include <string_view>

namespace ov {

class ShellPort {
 public:
  virtual ~ShellPort() = default;
  // verb empty: the item's default action. No parameters, no working
  // folder, shown normally; the shell reports its own failures.
  virtual void ShellExecute(std::optional<std::string_view> verb,
                            std::string_view file) = 0;
  // The map-network-drive dialog over the active window, for a resource
  // type (1: disk); modal, its outcome is the shell's.
  virtual void WNetConnectionDialog(uint32_t resourceType) = 0;
};

}  // namespace ov
