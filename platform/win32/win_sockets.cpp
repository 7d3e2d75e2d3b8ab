#include "platform/win32/win_sockets.h"

#include <winsock2.h>

#include <cstring>

namespace ov::win32 {

namespace {

// The host entry's name and IPv4 addresses, copied out of the system's
// per-thread buffer before another call reuses it.
std::optional<HostEnt> copied(const hostent* host) {
  if (!host) return std::nullopt;
  HostEnt out{host->h_name ? host->h_name : "", {}};
  if (host->h_addrtype == AF_INET && host->h_length == sizeof(InAddr)) {
    for (char** address = host->h_addr_list; address && *address; ++address) {
      InAddr value;
      std::memcpy(&value, *address, sizeof value);
      out.h_addr_list.push_back(value);
    }
  }
  return out;
}

}  // namespace

int WinSockets::WSAStartup(uint16_t version, uint16_t& granted) {
  WSADATA data{};
  const int error = ::WSAStartup(version, &data);
  granted = data.wVersion;
  return error;
}

int WinSockets::WSACleanup() { return ::WSACleanup(); }

std::optional<InAddr> WinSockets::inet_addr(std::string_view text) {
  const std::string terminated(text);
  const unsigned long address = ::inet_addr(terminated.c_str());
  // INADDR_NONE is also the answer for "255.255.255.255" itself.
  if (address == INADDR_NONE && terminated != "255.255.255.255")
    return std::nullopt;
  return static_cast<InAddr>(address);
}

std::optional<HostEnt> WinSockets::gethostbyname(std::string_view name) {
  const std::string terminated(name);
  return copied(::gethostbyname(terminated.c_str()));
}

std::optional<HostEnt> WinSockets::gethostbyaddr(InAddr address) {
  return copied(::gethostbyaddr(reinterpret_cast<const char*>(&address),
                                sizeof address, AF_INET));
}

std::optional<std::string> WinSockets::gethostname() {
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return std::nullopt;
  return std::string(name);
}

}  // namespace ov::win32
