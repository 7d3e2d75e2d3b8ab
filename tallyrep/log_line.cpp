#include "tallyrep/log_line.h"

#include <algorithm>

namespace {

// The separators of the date, the time and the labels all lie in this area.
constexpr std::size_t kFieldArea = 86;

bool IsSeparator(char c) {
  return c == '.' || c == ':' || c == '[' || c == ']';
}

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

// Blanks, an optional sign, then digits; unsigned arithmetic wraps the value
// modulo 2^32 as the log's totals outgrow 32 bits.
uint32_t ReadNumber(const char* text) {
  while (IsWhiteSpace(*text)) ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') negative = *text++ == '-';
  uint32_t value = 0;
  while (*text >= '0' && *text <= '9') value = value * 10 + (*text++ - '0');
  return negative ? 0u - value : value;
}

uint8_t ReadByte(const char* text) {
  return static_cast<uint8_t>(ReadNumber(text));
}

}  // namespace

LogLine ParseLogLine(std::string_view line) {
  // Each field ends at its separator; the zero fill ends the last one.
  char fields[kFieldArea + 1] = {};
  std::size_t area = std::min(line.size(), kFieldArea);
  for (std::size_t i = 0; i < area; ++i)
    fields[i] = IsSeparator(line[i]) ? '\0' : line[i];

  LogLine parsed;
  parsed.in_kb = ReadNumber(fields + 30);
  parsed.out_kb = ReadNumber(fields + 51);
  parsed.run_id = ReadNumber(fields + 69);
  parsed.hour = ReadByte(fields + 1);
  parsed.minute = ReadByte(fields + 4);
  parsed.second = ReadByte(fields + 7);
  parsed.day = ReadByte(fields + 11);
  parsed.month = ReadByte(fields + 14);
  parsed.year = ReadByte(fields + 17);
  return parsed;
}
