#include "platform/sim/sim_sockets.h"

#include "platform/sim/sim_text.h"

namespace ov::sim {

int SimSockets::WSAStartup(uint16_t version, uint16_t& granted) {
  granted = world_.winsockGranted().value_or(version);
  return static_cast<int>(world_.failures().take("WSAStartup").value_or(0));
}

int SimSockets::WSACleanup() {
  return static_cast<int>(world_.failures().take("WSACleanup").value_or(0));
}

std::optional<InAddr> SimSockets::inet_addr(std::string_view text) {
  return parseDottedAddress(text);
}

std::optional<HostEnt> SimSockets::gethostbyname(std::string_view name) {
  if (world_.failures().take("gethostbyname")) return std::nullopt;
  std::optional<HostEnt> found;
  const std::string folded = foldCase(name);
  for (const HostEntry& host : world_.hosts()) {
    if (host.foldedName != folded) continue;
    if (!found) found = HostEnt{host.name, {}};
    found->h_addr_list.push_back(host.address);
  }
  return found;
}

std::optional<HostEnt> SimSockets::gethostbyaddr(InAddr address) {
  if (world_.failures().take("gethostbyaddr")) return std::nullopt;
  for (const HostEntry& host : world_.hosts())
    if (host.reverse && host.address == address)
      return HostEnt{host.name, {address}};
  return std::nullopt;
}

std::optional<std::string> SimSockets::gethostname() {
  if (world_.failures().take("gethostname")) return std::nullopt;
  return world_.localHostName();
}

}  // namespace ov::sim
