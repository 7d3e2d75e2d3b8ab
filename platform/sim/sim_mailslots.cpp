#include "platform/sim/sim_mailslots.h"

#include <string>

#include "platform/sim/sim_text.h"

namespace ov::sim {

namespace {

// "HOST" of "\\HOST\mailslot\NAME".
std::string_view hostOf(std::string_view name) {
  const std::string_view rest = withoutUncPrefix(name);
  return rest.substr(0, rest.find('\\'));
}

std::string lowerHex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned char byte : bytes) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0xF];
  }
  return hex;
}

}  // namespace

bool SimMailslots::WriteMailslot(std::string_view name,
                                 std::string_view block) {
  if (!world_.mailslotAccepts(hostOf(name))) return false;
  // Opened, but the write fails: the block went nowhere.
  if (world_.failures().take("WriteFile")) return false;
  journal_.write("MailslotWrite", {std::string(name), lowerHex(block)});
  return true;
}

}  // namespace ov::sim
