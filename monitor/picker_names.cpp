#include "monitor/picker_names.h"

#include <algorithm>

namespace ov::monitor {

void addNameUnlessPresent(std::vector<std::string>& names,
                          std::string_view name, Locale& locale) {
  const std::string key = locale.upperCase(name);
  const bool present = std::any_of(
      names.begin(), names.end(),
      [&](const std::string& held) { return locale.upperCase(held) == key; });
  if (!present) names.emplace_back(name);
}

}  // namespace ov::monitor
