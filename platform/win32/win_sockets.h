#pragma once
// The sockets and names port over Windows Sockets.
#include "platform/sockets.h"

namespace ov::win32 {

class WinSockets : public Sockets {
 public:
  int WSAStartup(uint16_t version, uint16_t& granted) override;
  int WSACleanup() override;
  std::optional<InAddr> inet_addr(std::string_view text) override;
  std::optional<HostEnt> gethostbyname(std::string_view name) override;
  std::optional<HostEnt> gethostbyaddr(InAddr address) override;
  std::optional<std::string> gethostname() override;
};

}  // namespace ov::win32
