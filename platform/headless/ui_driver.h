#pragma once
// Acts on the form as a user would, by component name: the scenario's
// "ui" verbs.
#include <string>
#include <vector>

#include "platform/headless/window_system.h"

namespace ov::headless {

class UiDriver {
 public:
  explicit UiDriver(WindowSystem& windows)
      : windows_(windows), registry_(windows.registry()) {}

  // The reason a user verb cannot act on this form, or "" when it can.
  // args: the sub-verb first, then its fields.
  std::string check(const std::vector<std::string>& args) const;
  // Carries the verb out; call check first.
  void apply(const std::vector<std::string>& args);

 private:
  WindowSystem& windows_;
  ControlRegistry& registry_;
};

}  // namespace ov::headless
