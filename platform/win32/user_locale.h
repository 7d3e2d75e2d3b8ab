#pragma once
// The user's date and time formats and upper case, from the system.
#include "platform/locale.h"

namespace ov::win32 {

class UserLocale : public Locale {
 public:
  std::string longTime(const LocalDateTime& t) override;
  std::string shortDate(const LocalDateTime& t) override;
  std::string upperCase(std::string_view text) override;
  std::string thousandsSeparator() override;
};

}  // namespace ov::win32
