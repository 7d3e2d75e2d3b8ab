#pragma once
// The mailslot port over CreateFileW and WriteFile.
#include "platform/mailslot.h"

namespace ov::win32 {

class WinMailslots : public MailslotPort {
 public:
  bool WriteMailslot(std::string_view name, std::string_view block) override;
};

}  // namespace ov::win32
