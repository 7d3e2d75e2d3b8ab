#pragma once
// Locale port: the user's date and time formats and case conversion.
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace ov {

class Locale {
 public:
  virtual ~Locale() = default;
  virtual std::string longTime(const LocalDateTime& t) = 0;   // "9:05:03"
  virtual std::string shortDate(const LocalDateTime& t) = 0;  // "05.03.2006"
  // Upper case by the locale's rules, Cyrillic letters included.
  virtual std::string upperCase(std::string_view text) = 0;
  // What groups the thousands of a number: "1 234 567".
  virtual std::string thousandsSeparator() = 0;
};

}  // namespace ov
