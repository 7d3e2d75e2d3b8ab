#include "tallyrep/log_line.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {

constexpr std::array<bool, 256> kWhiteSpace = [] {
  std::array<bool, 256> table{};
  for (unsigned char c : {' ', '\t', '\n', '\v', '\f', '\r'}) table[c] = true;
  return table;
}();

uint64_t WordAt(const char* at) {
  uint64_t word;
  std::memcpy(&word, at, 8);
  return word;
}

// The value of eight digits, first digit in the lowest byte, each byte
// already less '0'.
uint32_t EightDigits(uint64_t digits) {
  digits = digits * 10 + (digits >> 8);
  return static_cast<uint32_t>(
      (((digits & 0x000000FF000000FF) * (100 + (1000000ULL << 32))) +
       (((digits >> 16) & 0x000000FF000000FF) * (1 + (10000ULL << 32)))) >>
      32);
}

constexpr uint32_t kPowersOfTen[] = {1,      10,      100,      1000,     10000,
                                     100000, 1000000, 10000000, 100000000};

// Blanks, an optional sign, then digits; unsigned arithmetic wraps the value
// modulo 2^32 as the log's totals outgrow 32 bits. The number ends at the
// first other character, so the separators ".", ":", "[" and "]" between the
// fields end them too. The digits are taken eight at a time.
inline uint32_t ReadNumber(std::string_view line, std::size_t pos) {
  const char* at = line.data() + std::min(pos, line.size());
  const char* const end = line.data() + line.size();
  while (at < end && kWhiteSpace[static_cast<unsigned char>(*at)]) ++at;
  bool negative = false;
  if (at < end && (*at == '+' || *at == '-')) negative = *at++ == '-';
  uint32_t value = 0;
  while (end - at >= 8) {
    const uint64_t word = WordAt(at);
    // Per byte, not a digit: a high nibble other than 3, or a low one
    // above 9. Nothing carries from one byte into the next.
    const uint64_t nonDigit =
        ((word & 0xF0F0F0F0F0F0F0F0) ^ 0x3030303030303030) |
        (((word & 0x0F0F0F0F0F0F0F0F) + 0x0606060606060606) &
         0x1010101010101010);
    const int digits = nonDigit ? std::countr_zero(nonDigit) / 8 : 8;
    if (digits > 0) {
      // The digits to the top, zeros as leading digits below them.
      const uint64_t values = (word - 0x3030303030303030) << (8 * (8 - digits));
      value = value * kPowersOfTen[digits] + EightDigits(values);
    }
    if (digits < 8) return negative ? 0u - value : value;
    at += 8;
  }
  for (; at < end; ++at) {
    const unsigned digit = static_cast<unsigned char>(*at) - '0';
    if (digit > 9) break;
    value = value * 10 + digit;
  }
  return negative ? 0u - value : value;
}

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The date and time fields are mostly one or two digits behind a blank and
// before a separator, and are read so straight away.
inline uint8_t ReadByte(std::string_view line, std::size_t pos) {
  if (pos + 2 < line.size()) {
    const char first = line[pos], second = line[pos + 1];
    if ((first == ' ' || IsDigit(first)) && IsDigit(second) &&
        !IsDigit(line[pos + 2]))
      return static_cast<uint8_t>((first == ' ' ? 0 : (first - '0') * 10) +
                                  (second - '0'));
  }
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
