#pragma once
// Names through this machine's resolver (the hosts file, then DNS), for the
// runner watching a real server.
#include "platform/sockets.h"

namespace ov::posix {

class PosixSockets : public Sockets {
 public:
  int WSAStartup(uint16_t version, uint16_t& granted) override {
    granted = version;
    return 0;
  }
  int WSACleanup() override { return 0; }
  std::optional<InAddr> inet_addr(std::string_view text) override;
  std::optional<HostEnt> gethostbyname(std::string_view name) override;
  std::optional<HostEnt> gethostbyaddr(InAddr address) override;
  std::optional<std::string> gethostname() override;
};

}  // namespace ov::posix
