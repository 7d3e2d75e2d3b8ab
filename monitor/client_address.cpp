#include "monitor/client_address.h"

#include <optional>

namespace ov::monitor {

namespace {

constexpr uint16_t kWinsockVersion = 0x0202;

std::optional<HostEnt> lookUp(Sockets& sockets, std::string_view clientName) {
  if (const auto dotted = sockets.inet_addr(clientName))
    return sockets.gethostbyaddr(*dotted);
  return sockets.gethostbyname(clientName);
}

}  // namespace

std::string resolveClientAddress(Sockets& sockets,
                                 std::string_view clientName) {
  // Without a started Windows Sockets no name resolves, and there is
  // nothing to clean up.
  uint16_t granted = 0;
  if (sockets.WSAStartup(kWinsockVersion, granted) != 0)
    return std::string(kUnresolvedAddress);
  const auto host = lookUp(sockets, clientName);
  sockets.WSACleanup();
  if (!host || host->h_addr_list.empty())
    return std::string(kUnresolvedAddress);
  return inet_ntoa(host->h_addr_list.front());
}

}  // namespace ov::monitor
