#include "platform/headless/headless_locale.h"

#include <cstdio>

#include "platform/text/clock_text.h"
#include "platform/text/upper_case.h"

namespace ov::headless {

std::string HeadlessLocale::longTime(const LocalDateTime& t) {
  return clockText(t.hour, t.minute, t.second);
}

std::string HeadlessLocale::shortDate(const LocalDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", t.day, t.month, t.year);
  return text;
}

std::string HeadlessLocale::upperCase(std::string_view text) {
  return utf8Upper(text);
}

}  // namespace ov::headless
