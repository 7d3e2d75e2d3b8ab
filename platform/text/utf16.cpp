#include "platform/text/utf16.h"

#include "platform/text/utf8.h"

namespace ov {
namespace {

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::u16string utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const Utf8Char c = decodeUtf8(utf8, pos);
    pos += c.length;
    if (!c.valid) {
      out += u'?';
    } else if (c.code < 0x10000) {
      out += static_cast<char16_t>(c.code);
    } else {
      const char32_t offset = c.code - 0x10000;
      out += static_cast<char16_t>(0xD800 + (offset >> 10));
      out += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
    }
  }
  return out;
}

std::string utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 3);
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    const char16_t unit = utf16[i];
    if (isHighSurrogate(unit) && i + 1 < utf16.size() &&
        isLowSurrogate(utf16[i + 1])) {
      const char32_t high = unit - 0xD800;
      const char32_t low = utf16[++i] - 0xDC00;
      appendUtf8(out, 0x10000 + (high << 10) + low);
    } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
      out += '?';
    } else {
      appendUtf8(out, unit);
    }
  }
  return out;
}

std::size_t utf16CutLength(std::u16string_view text, std::size_t limit) {
  if (text.size() <= limit) return text.size();
  if (limit > 0 && isHighSurrogate(text[limit - 1]) &&
      isLowSurrogate(text[limit]))
    return limit - 1;
  return limit;
}

}  // namespace ov
