#pragma once
// Conversion between UTF-8 and a code page of one byte per character whose
// lower half is ASCII: the shared engine of the 1251 and 866 codecs.
#include <array>
#include <string>
#include <string_view>

namespace ov {

// The characters of bytes 0x80 to 0xFF, in byte order.
using UpperHalf = std::array<char16_t, 128>;

// Every byte decodes to a character, so decoding never loses data.
std::string decodeSingleByte(const UpperHalf& table, std::string_view bytes);

// A character the code page lacks, and every invalid UTF-8 byte, becomes
// "?": one output byte per input character.
std::string encodeSingleByte(const UpperHalf& table, std::string_view utf8);

}  // namespace ov
