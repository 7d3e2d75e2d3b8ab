#pragma once
// UTF-8 decoding and encoding of single characters, and character-based
// counting and cutting: field limits count characters, not bytes.
#include <cstddef>
#include <string>
#include <string_view>

namespace ov {

// One character read from UTF-8 text. A byte that does not start a
// well-formed sequence (stray continuation, overlong form, surrogate, value
// above U+10FFFF, cut-off sequence) reads as one invalid character of
// length 1, so every byte of the text is consumed exactly once.
struct Utf8Char {
  char32_t code;
  std::size_t length;
  bool valid;
};

// Decodes the character that starts at byte position pos (pos < size).
Utf8Char decodeUtf8(std::string_view text, std::size_t pos);

// Appends code as UTF-8; code must be a scalar value (no surrogate).
void appendUtf8(std::string& out, char32_t code);

// Number of characters in text; every invalid byte counts as one.
std::size_t utf8Length(std::string_view text);

// The first n characters of text, never splitting a character.
std::string_view utf8Prefix(std::string_view text, std::size_t n);
// The same, as a string of its own.
std::string utf8Cut(std::string_view text, std::size_t n);

}  // namespace ov
