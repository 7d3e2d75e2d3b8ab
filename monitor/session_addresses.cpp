#include "monitor/session_addresses.h"

namespace ov::monitor {

void SessionAddresses::record(std::string_view client,
                              std::string_view address) {
  if (addressOf(client)) return;
  entries_.emplace_back(client, address);
}

std::optional<std::string> SessionAddresses::addressOf(
    std::string_view client) const {
  for (const auto& [name, address] : entries_)
    if (name == client) return address;
  return std::nullopt;
}

}  // namespace ov::monitor
