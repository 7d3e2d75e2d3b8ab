#include "platform/text/clock_text.h"

namespace ov {

namespace {

void appendTwoDigits(std::string& text, uint32_t value) {
  text += static_cast<char>('0' + value / 10 % 10);
  text += static_cast<char>('0' + value % 10);
}

}  // namespace

std::string clockText(uint32_t hours, uint32_t minutes, uint32_t seconds) {
  std::string text = std::to_string(hours);
  text += ':';
  appendTwoDigits(text, minutes);
  text += ':';
  appendTwoDigits(text, seconds);
  return text;
}

}  // namespace ov
