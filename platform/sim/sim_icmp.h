#pragma once
// Echoes in the scenario's LAN: each request goes to the journal and is
// answered as the scenario's "ping" verb says for its address; addresses
// not declared time out.
#include "platform/icmp.h"
#include "platform/journal.h"
#include "platform/sim/world.h"

namespace ov::sim {

class SimIcmp : public IcmpPort {
 public:
  SimIcmp(World& world, Journal& journal) : world_(world), journal_(journal) {}
  Library LoadIcmpLibrary() override { return Library::loaded; }
  void FreeIcmpLibrary() override {}
  Handle IcmpCreateFile() override { return 1; }
  uint32_t IcmpSendEcho(Handle handle, InAddr destination,
                        std::string_view requestData,
                        const IP_OPTION_INFORMATION& options,
                        ICMP_ECHO_REPLY& reply, uint32_t timeoutMs) override;
  void IcmpCloseHandle(Handle) override {}

 private:
  World& world_;
  Journal& journal_;
};

}  // namespace ov::sim
