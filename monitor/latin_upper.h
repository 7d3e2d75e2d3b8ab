#pragma once
// Upper case of the Latin letters a to z only: host names and file
// extensions are raised this way, so the result does not depend on the
// locale. Every other character, Cyrillic included, stays as it is.
#include <string>
#include <string_view>

namespace ov::monitor {

inline std::string latinUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace ov::monitor
