#include "platform/text/upper_case.h"

#include "platform/text/utf8.h"

namespace ov {
namespace {

char32_t upperOf(char32_t code) {
  if (code >= U'a' && code <= U'z') return code - (U'a' - U'A');
  if (code >= U'а' && code <= U'я') return code - (U'а' - U'А');
  if (code >= U'ѐ' && code <= U'џ') return code - (U'ѐ' - U'Ѐ');
  if (code == U'ґ') return U'Ґ';
  return code;
}

}  // namespace

std::string utf8Upper(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const Utf8Char c = decodeUtf8(text, pos);
    if (c.valid) {
      appendUtf8(out, upperOf(c.code));
    } else {
      out += text.substr(pos, c.length);
    }
    pos += c.length;
  }
  return out;
}

}  // namespace ov
