#include "platform/sim/sim_text.h"

#include <array>
#include <cstring>
#include <limits>

namespace ov::sim {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
  if (isDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Decodes one UTF-8 sequence at text[pos]; 0 length when it is malformed.
struct CodePoint {
  char32_t value = 0;
  size_t length = 0;
};

CodePoint decodeAt(std::string_view text, size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return {lead, 1};
  size_t length = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else {
    return {};
  }
  if (pos + length > text.size()) return {};
  for (size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return {};
    value = (value << 6) | (next & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF ||
      (value >= 0xD800 && value <= 0xDFFF))
    return {};
  return {value, length};
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

char32_t foldCodePoint(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;  // А..Я
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;  // Ѐ..Џ, Ё among them
  return c;
}

}  // namespace

std::optional<int64_t> parseInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  int64_t value = 0;
  for (char c : text) {
    const int digit = base == 16 ? hexValue(c) : (isDigit(c) ? c - '0' : -1);
    if (digit < 0) return std::nullopt;
    if (value > (std::numeric_limits<int64_t>::max() - digit) / base)
      return std::nullopt;
    value = value * base + digit;
  }
  return negative ? -value : value;
}

std::optional<uint64_t> parseSecondsAsMs(std::string_view text) {
  const size_t dot = text.find('.');
  const std::string_view whole = text.substr(0, dot);
  const std::string_view fraction =
      dot == std::string_view::npos ? std::string_view{} : text.substr(dot + 1);
  if (whole.empty() || whole.size() > 9) return std::nullopt;
  if (dot != std::string_view::npos && fraction.empty()) return std::nullopt;
  uint64_t ms = 0;
  for (char c : whole) {
    if (!isDigit(c)) return std::nullopt;
    ms = ms * 10 + (c - '0');
  }
  ms *= 1000;
  uint64_t scale = 100;
  for (char c : fraction) {
    if (!isDigit(c)) return std::nullopt;
    ms += (c - '0') * scale;
    scale /= 10;
  }
  return ms;
}

std::optional<InAddr> parseDottedAddress(std::string_view text) {
  std::array<unsigned char, 4> octets{};
  for (size_t part = 0; part < octets.size(); ++part) {
    const size_t end = part == 3 ? text.size() : text.find('.');
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view digits = text.substr(0, end);
    if (digits.empty() || digits.size() > 3) return std::nullopt;
    if (digits.size() > 1 && digits[0] == '0') return std::nullopt;
    int value = 0;
    for (char c : digits) {
      if (!isDigit(c)) return std::nullopt;
      value = value * 10 + (c - '0');
    }
    if (value > 255) return std::nullopt;
    octets[part] = static_cast<unsigned char>(value);
    text.remove_prefix(part == 3 ? end : end + 1);
  }
  // Network byte order: the first octet comes first in memory.
  InAddr address = 0;
  std::memcpy(&address, octets.data(), sizeof address);
  return address;
}

bool isUtf8(std::string_view text) {
  for (size_t pos = 0; pos < text.size();) {
    const CodePoint c = decodeAt(text, pos);
    if (c.length == 0) return false;
    pos += c.length;
  }
  return true;
}

std::string foldCase(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    const CodePoint c = decodeAt(text, pos);
    if (c.length == 0) {  // not UTF-8: keep the byte as it is
      out += text[pos++];
      continue;
    }
    appendUtf8(out, foldCodePoint(c.value));
    pos += c.length;
  }
  return out;
}

bool sameName(std::string_view a, std::string_view b) {
  return foldCase(a) == foldCase(b);
}

std::string_view withoutUncPrefix(std::string_view name) {
  if (name.size() >= 2 && name[0] == '\\' && name[1] == '\\')
    name.remove_prefix(2);
  return name;
}

}  // namespace ov::sim
