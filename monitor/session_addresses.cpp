#include "monitor/session_addresses.h"

#include "monitor/connection_record.h"
#include "platform/text/utf8.h"

namespace ov::monitor {

void SessionAddresses::record(std::string_view client,
                              std::string_view address) {
  if (addressOf(client)) return;
  entries_.emplace_back(utf8Cut(client, kClientNameChars), address);
}

std::optional<std::string_view> SessionAddresses::addressOf(
    std::string_view client) const {
  const std::string_view cut = utf8Prefix(client, kClientNameChars);
  for (const auto& [name, address] : entries_)
    if (name == cut) return address;
  return std::nullopt;
}

}  // namespace ov::monitor
