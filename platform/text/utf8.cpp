#include "platform/text/utf8.h"

namespace ov {
namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the sequence a lead byte opens; 0 for a byte that cannot lead.
std::size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

constexpr char32_t kMinimumOfLength[] = {0, 0, 0x80, 0x800, 0x10000};

}  // namespace

Utf8Char decodeUtf8(std::string_view text, std::size_t pos) {
  const Utf8Char invalid{static_cast<unsigned char>(text[pos]), 1, false};
  const auto lead = static_cast<unsigned char>(text[pos]);
  const std::size_t length = sequenceLength(lead);
  if (length == 0 || pos + length > text.size()) return invalid;
  if (length == 1) return {lead, 1, true};

  char32_t code = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[pos + i]);
    if (!isContinuation(byte)) return invalid;
    code = (code << 6) | (byte & 0x3F);
  }
  const bool overlong = code < kMinimumOfLength[length];
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  if (overlong || surrogate || code > 0x10FFFF) return invalid;
  return {code, length, true};
}

void appendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::size_t utf8Length(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size();
       pos += decodeUtf8(text, pos).length) {
    ++count;
  }
  return count;
}

std::string_view utf8Prefix(std::string_view text, std::size_t n) {
  // Every character takes at least one byte: a short text fits as it is.
  if (text.size() <= n) return text;
  std::size_t pos = 0;
  for (std::size_t taken = 0; taken < n && pos < text.size(); ++taken) {
    pos += decodeUtf8(text, pos).length;
  }
  return text.substr(0, pos);
}

std::string utf8Cut(std::string_view text, std::size_t n) {
  return std::string(utf8Prefix(text, n));
}

}  // namespace ov
