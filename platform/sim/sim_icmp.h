#pragma once
// Echoes in the scenario's LAN: each request goes to the journal and is
// answered as the scenario's "ping" verb says for its address; addresses
// not declared time out. An address the scenario gives to the machine is
// echoed by the machine's own echo port, when the runner has one.
#include "platform/icmp.h"
#include "platform/journal.h"
#include "platform/sim/world.h"

namespace ov::sim {

class SimIcmp : public IcmpPort {
 public:
  SimIcmp(World& world, Journal& journal) : world_(world), journal_(journal) {}
  void setMachineEchoes(IcmpPort* machine) { machine_ = machine; }
  Library LoadIcmpLibrary() override;
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
  IcmpPort* machine_ = nullptr;
};

}  // namespace ov::sim
