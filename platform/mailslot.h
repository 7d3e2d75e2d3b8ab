#pragma once
// Mailslot port: one block written to another computer's mailslot, the way
// the messenger service receives its pop-ups.
#include <string_view>

namespace ov {

class MailslotPort {
 public:
  virtual ~MailslotPort() = default;
  // Opens the mailslot ("\\HOST\mailslot\NAME") for writing, shared for
  // reading, as an existing file; writes the whole block in one call and
  // closes it. False when the open or the write fails.
  virtual bool WriteMailslot(std::string_view name, std::string_view block) = 0;
};

}  // namespace ov
