#include "platform/sim/sim_interfaces.h"

namespace ov::sim {

std::optional<std::vector<IfRow>> SimInterfaces::GetIfTable() {
  if (world_.failures().take("GetIfTable")) return std::nullopt;
  std::vector<IfRow> rows;
  const uint64_t now = world_.nowMs();
  uint32_t index = 1;
  for (const Interface& row : world_.interfaces())
    rows.push_back({index++, row.physLength, row.descr, row.inOctetsAt(now),
                    row.outOctetsAt(now)});
  return rows;
}

bool SimInterfaces::SetIfEntry(const IfRow& row) {
  if (world_.failures().take("SetIfEntry")) return false;
  auto& rows = world_.interfaces();
  if (row.index < 1 || row.index > rows.size()) return false;
  Interface& target = rows[row.index - 1];
  target.inOctets = row.inOctets;
  target.outOctets = row.outOctets;
  target.countersSetMs = world_.nowMs();
  return true;
}

}  // namespace ov::sim
