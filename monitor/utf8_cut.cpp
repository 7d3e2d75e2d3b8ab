#include "monitor/utf8_cut.h"

namespace ov::monitor {

namespace {

// Continuation bytes (10xxxxxx) never start a character.
bool startsCharacter(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

}  // namespace

std::string cutToChars(std::string_view text, std::size_t maxChars) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (startsCharacter(text[i]) && chars++ == maxChars) {
      return std::string(text.substr(0, i));
    }
  }
  return std::string(text);
}

}  // namespace ov::monitor
