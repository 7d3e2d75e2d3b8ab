#pragma once
// Whether a text the program wrote or showed holds a part anywhere.
#include <string_view>

namespace ov::test {

inline bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

}  // namespace ov::test
