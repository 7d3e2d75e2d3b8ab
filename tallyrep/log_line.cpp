#include "tallyrep/log_line.h"

namespace {

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Blanks, an optional sign, then digits; unsigned arithmetic wraps the value
// modulo 2^32 as the log's totals outgrow 32 bits. The number ends at the
// first other character, so the separators ".", ":", "[" and "]" between the
// fields end them too.
uint32_t ReadNumber(std::string_view line, std::size_t pos) {
  while (pos < line.size() && IsWhiteSpace(line[pos])) ++pos;
  bool negative = false;
  if (pos < line.size() && (line[pos] == '+' || line[pos] == '-'))
    negative = line[pos++] == '-';
  uint32_t value = 0;
  for (; pos < line.size() && IsDigit(line[pos]); ++pos)
    value = value * 10 + (line[pos] - '0');
  return negative ? 0u - value : value;
}

uint8_t ReadByte(std::string_view line, std::size_t pos) {
  return static_cast<uint8_t>(ReadNumber(line, pos));
}

}  // namespace

LogLine ParseLogLine(std::string_view line) {
  LogLine parsed;
  parsed.in_kb = ReadNumber(line, 30);
  parsed.out_kb = ReadNumber(line, 51);
  parsed.run_id = ReadNumber(line, 69);
  parsed.hour = ReadByte(line, 1);
  parsed.minute = ReadByte(line, 4);
  parsed.second = ReadByte(line, 7);
  parsed.day = ReadByte(line, 11);
  parsed.month = ReadByte(line, 14);
  parsed.year = ReadByte(line, 17);
  return parsed;
}
