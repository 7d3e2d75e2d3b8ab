#pragma once
// The name lists of the pinger and messenger pickers.
#include <string>
#include <string_view>
#include <vector>

#include "platform/locale.h"

namespace ov::monitor {

// Appends name unless the list already holds it in any letter case.
void addNameUnlessPresent(std::vector<std::string>& names,
                          std::string_view name, Locale& locale);

}  // namespace ov::monitor
