#include "reptext/cp1251_text.h"

#include <charconv>

namespace {

char Cp1251Byte(char32_t code) {
  if (code < 0x80) return static_cast<char>(code);
  if (code >= U'А' && code <= U'я')
    return static_cast<char>(code - U'А' + 0xC0);
  if (code == U'Ё') return '\xA8';
  if (code == U'ё') return '\xB8';
  return '?';
}

// Decodes the UTF-8 sequence at `pos` and moves `pos` past it.
char32_t NextCode(std::string_view utf8, std::size_t& pos) {
  unsigned char lead = utf8[pos++];
  if (lead < 0x80) return lead;
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
  char32_t code = lead & (0x3F >> extra);
  for (; extra > 0 && pos < utf8.size(); --extra)
    code = code << 6 | (static_cast<unsigned char>(utf8[pos++]) & 0x3F);
  return code;
}

std::string_view Digits(uint64_t number, char (&buffer)[20]) {
  auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
  return std::string_view(buffer, end - buffer);
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string bytes;
  for (std::size_t pos = 0; pos < utf8.size();)
    bytes += Cp1251Byte(NextCode(utf8, pos));
  return bytes;
}

Cp1251Text& Cp1251Text::Add(std::string_view utf8) {
  for (std::size_t pos = 0; pos < utf8.size();) {
    char32_t code = NextCode(utf8, pos);
    if (code == U'\n') bytes_ += '\r';
    bytes_ += Cp1251Byte(code);
  }
  return *this;
}

Cp1251Text& Cp1251Text::AddNumber(uint64_t number) {
  return AddRight(number, 0);
}

Cp1251Text& Cp1251Text::AddRight(std::string_view utf8, std::size_t width) {
  std::string bytes = Utf8ToCp1251(utf8);
  if (bytes.size() < width) bytes_.append(width - bytes.size(), ' ');
  bytes_ += bytes;
  return *this;
}

Cp1251Text& Cp1251Text::AddRight(uint64_t number, std::size_t width) {
  char buffer[20];
  std::string_view digits = Digits(number, buffer);
  if (digits.size() < width) bytes_.append(width - digits.size(), ' ');
  bytes_ += digits;
  return *this;
}

Cp1251Text& Cp1251Text::AddRepeated(char c, std::size_t count) {
  bytes_.append(count, c);
  return *this;
}

Cp1251Text& Cp1251Text::AddCp1251(std::string_view bytes) {
  for (char c : bytes) {
    const auto code = static_cast<unsigned char>(c);
    bytes_ += code < 0x20 || code == 0x7F ? '?' : c;
  }
  return *this;
}
