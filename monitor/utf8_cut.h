#pragma once
// Text fields have widths in characters; names arrive as UTF-8.
#include <cstddef>
#include <string>
#include <string_view>

namespace ov::monitor {

// The first maxChars characters of text, never splitting a character.
std::string cutToChars(std::string_view text, std::size_t maxChars);

}  // namespace ov::monitor
