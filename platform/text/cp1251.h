#pragma once
// Windows-1251, the code page of every text file the program reads or
// writes.
#include <string>
#include <string_view>

namespace ov {

// Byte 0x98, unassigned in 1251, decodes to U+0098 and back, so any file
// survives a read and a rewrite byte for byte.
std::string cp1251ToUtf8(std::string_view bytes);

// A character with no 1251 form, and an invalid UTF-8 byte, becomes "?".
std::string utf8ToCp1251(std::string_view utf8);

}  // namespace ov
