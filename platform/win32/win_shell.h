#pragma once
// The shell port over ShellExecuteW.
#include "platform/shell.h"

namespace ov::win32 {

class WinShell : public ShellPort {
 public:
  void ShellExecute(std::optional<std::string_view> verb,
                    std::string_view file) override;
  void WNetConnectionDialog(uint32_t resourceType) override;
};

}  // namespace ov::win32
