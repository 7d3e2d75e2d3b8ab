#pragma once
// The scenario's interface table: its "iface" rows with counters that grow
// at their rates on the virtual clock. "fail GetIfTable" makes a read fail.
#include "platform/iftable.h"
#include "platform/sim/world.h"

namespace ov::sim {

class SimInterfaces : public InterfaceTable {
 public:
  explicit SimInterfaces(World& world) : world_(world) {}
  std::optional<std::vector<IfRow>> GetIfTable() override;
  bool SetIfEntry(const IfRow& row) override;

 private:
  World& world_;
};

}  // namespace ov::sim
