#pragma once
// Sockets and names port: the few Windows Sockets calls the program makes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

// An IPv4 address in network byte order, as inet_addr returns it.
using InAddr = uint32_t;

struct HostEnt {
  std::string h_name;
  std::vector<InAddr> h_addr_list;
};

class Sockets {
 public:
  virtual ~Sockets() = default;
  // Returns 0 on success, as WSAStartup does; `granted` is then the
  // version the layer grants (WSADATA's wVersion).
  virtual int WSAStartup(uint16_t version, uint16_t& granted) = 0;
  virtual int WSACleanup() = 0;
  // Empty when the text is not a dotted IPv4 address.
  virtual std::optional<InAddr> inet_addr(std::string_view text) = 0;
  virtual std::optional<HostEnt> gethostbyname(std::string_view name) = 0;
  virtual std::optional<HostEnt> gethostbyaddr(InAddr address) = 0;
  virtual std::optional<std::string> gethostname() = 0;
};

// Dotted text of an address in network byte order ("10.0.0.7").
std::string inet_ntoa(InAddr address);

}  // namespace ov
