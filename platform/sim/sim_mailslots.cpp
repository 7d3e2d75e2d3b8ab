#include "platform/sim/sim_mailslots.h"

#include <string>

namespace ov::sim {

namespace {

// "HOST" of "\\HOST\mailslot\NAME".
std::string_view hostOf(std::string_view name) {
  while (!name.empty() && name.front() == '\\') name.remove_prefix(1);
  return name.substr(0, name.find('\\'));
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
  journal_.write("MailslotWrite", {std::string(name), lowerHex(block)});
  return true;
}

}  // namespace ov::sim
