#pragma once
// The mailslots of the scenario's computers: a write to a computer whose
// mailslot the scenario accepts goes to the journal byte for byte; any
// other fails as an open of a missing mailslot does.
#include "platform/journal.h"
#include "platform/mailslot.h"
#include "platform/sim/world.h"

namespace ov::sim {

class SimMailslots : public MailslotPort {
 public:
  SimMailslots(World& world, Journal& journal)
      : world_(world), journal_(journal) {}
  bool WriteMailslot(std::string_view name, std::string_view block) override;

 private:
  World& world_;
  Journal& journal_;
};

}  // namespace ov::sim
