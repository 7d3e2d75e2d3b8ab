#include "platform/text/single_byte_code_page.h"

#include <algorithm>

#include "platform/text/utf8.h"

namespace ov {
namespace {

char byteOf(const UpperHalf& table, const Utf8Char& c) {
  if (!c.valid) return '?';
  if (c.code < 0x80) return static_cast<char>(c.code);
  const auto found = std::find(table.begin(), table.end(), c.code);
  if (found == table.end()) return '?';
  return static_cast<char>(0x80 + (found - table.begin()));
}

}  // namespace

std::string decodeSingleByte(const UpperHalf& table, std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    appendUtf8(out, b < 0x80 ? b : table[b - 0x80]);
  }
  return out;
}

std::string encodeSingleByte(const UpperHalf& table, std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const Utf8Char c = decodeUtf8(utf8, pos);
    out += byteOf(table, c);
    pos += c.length;
  }
  return out;
}

}  // namespace ov
