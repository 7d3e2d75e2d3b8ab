#pragma once
// The locale of the headless runner: Russian formats, fixed and portable.
#include "platform/locale.h"

namespace ov::headless {

class HeadlessLocale : public Locale {
 public:
  std::string longTime(const LocalDateTime& t) override;   // H:mm:ss
  std::string shortDate(const LocalDateTime& t) override;  // dd.MM.yyyy
  std::string upperCase(std::string_view text) override;
  // A no-break space, as the Russian locale has it.
  std::string thousandsSeparator() override { return "\u00A0"; }
};

}  // namespace ov::headless
