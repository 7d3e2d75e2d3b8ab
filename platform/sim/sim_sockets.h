#pragma once
// Names and addresses from the scenario's host lines.
#include "platform/sim/world.h"
#include "platform/sockets.h"

namespace ov::sim {

class SimSockets : public Sockets {
 public:
  explicit SimSockets(World& world) : world_(world) {}

  int WSAStartup(uint16_t version, uint16_t& granted) override;
  int WSACleanup() override;
  std::optional<InAddr> inet_addr(std::string_view text) override;
  std::optional<HostEnt> gethostbyname(std::string_view name) override;
  std::optional<HostEnt> gethostbyaddr(InAddr address) override;
  std::optional<std::string> gethostname() override;

 private:
  World& world_;
};

}  // namespace ov::sim
