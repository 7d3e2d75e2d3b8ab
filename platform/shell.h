#pragma once
// Shell port: a file, folder or computer handed to the shell to open.
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
};

}  // namespace ov
