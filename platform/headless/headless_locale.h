#pragma once
// The locale of the headless runner: Russian formats, fixed and portable.
#include "platform/locale.h"

namespace ov::headless {

class HeadlessLocale : public Locale {
 public:
  std::string longTime(const LocalDateTime& t) override;   // H:mm:ss
  std::string shortDate(const LocalDateTime& t) override;  // dd.MM.yyyy
  std::string upperCase(std::string_view text) override;
};

}  // namespace ov::headless
