#include "tallyrep/log_line.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<bool, 256> kWhiteSpace = [] {
  std::array<bool, 256> table{};
  for (unsigned char c : {' ', '\t', '\n', '\v', '\f', '\r'}) table[c] = true;
  return table;
}();

// Blanks, an optional sign, then digits; unsigned arithmetic wraps the value
// modulo 2^32 as the log's totals outgrow 32 bits. The number ends at the
// first other character, so the separators ".", ":", "[" and "]" between the
// fields end them too.
inline uint32_t ReadNumber(std::string_view line, std::size_t pos) {
  const char* at = line.data() + std::min(pos, line.size());
  const char* const end = line.data() + line.size();
  while (at < end && kWhiteSpace[static_cast<unsigned char>(*at)]) ++at;
  bool negative = false;
  if (at < end && (*at == '+' || *at == '-')) negative = *at++ == '-';
  uint32_t value = 0;
  for (; at < end; ++at) {
    const unsigned digit = static_cast<unsigned char>(*at) - '0';
    if (digit > 9) break;
    value = value * 10 + digit;
  }
  return negative ? 0u - value : value;
}

inline uint8_t ReadByte(std::string_view line, std::size_t pos) {
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
  parsed.day = ReadByte(line, 11);
  parsed.month = ReadByte(line, 14);
  return parsed;
}
