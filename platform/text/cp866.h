#pragma once
// CP866, the OEM code page of Russian systems, in which messenger pop-ups
// travel.
#include <string>
#include <string_view>

namespace ov {

std::string cp866ToUtf8(std::string_view bytes);

// A character with no 866 form, and an invalid UTF-8 byte, becomes "?".
// Each character gives exactly one byte.
std::string utf8ToCp866(std::string_view utf8);

}  // namespace ov
