#include "platform/posix/posix_sockets.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>

#include <memory>

namespace ov::posix {

std::optional<InAddr> PosixSockets::inet_addr(std::string_view text) {
  in_addr address{};
  if (inet_pton(AF_INET, std::string(text).c_str(), &address) != 1)
    return std::nullopt;
  return address.s_addr;
}

std::optional<HostEnt> PosixSockets::gethostbyname(std::string_view name) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_CANONNAME;
  addrinfo* found = nullptr;
  if (getaddrinfo(std::string(name).c_str(), nullptr, &hints, &found) != 0)
    return std::nullopt;
  const std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> owned(found,
                                                                 freeaddrinfo);
  HostEnt host{found->ai_canonname ? found->ai_canonname : std::string(name),
               {}};
  for (const addrinfo* at = found; at; at = at->ai_next)
    host.h_addr_list.push_back(
        reinterpret_cast<const sockaddr_in*>(at->ai_addr)->sin_addr.s_addr);
  return host;
}

std::optional<HostEnt> PosixSockets::gethostbyaddr(InAddr address) {
  sockaddr_in socket{};
  socket.sin_family = AF_INET;
  socket.sin_addr.s_addr = address;
  char name[NI_MAXHOST];
  if (getnameinfo(reinterpret_cast<const sockaddr*>(&socket), sizeof socket,
                  name, sizeof name, nullptr, 0, NI_NAMEREQD) != 0)
    return std::nullopt;
  return HostEnt{name, {address}};
}

std::optional<std::string> PosixSockets::gethostname() {
  char name[256];
  if (::gethostname(name, sizeof name) != 0) return std::nullopt;
  name[sizeof name - 1] = '\0';
  return std::string(name);
}

}  // namespace ov::posix
