#pragma once
// Russian-style date and time; upper case of ASCII letters only.
#include <cstdio>
#include <string>

#include "platform/locale.h"

namespace ov::monitor::testing {

class FakeLocale : public Locale {
 public:
  std::string longTime(const LocalDateTime& t) override {
    return format("%i:%02i:%02i", t.hour, t.minute, t.second);
  }
  std::string shortDate(const LocalDateTime& t) override {
    return format("%02i.%02i.%04i", t.day, t.month, t.year);
  }
  std::string upperCase(std::string_view text) override {
    std::string upper(text);
    for (char& c : upper) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
  }
  std::string thousandsSeparator() override { return " "; }

 private:
  static std::string format(const char* pattern, int a, int b, int c) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
  }
};

}  // namespace ov::monitor::testing
