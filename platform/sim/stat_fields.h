#pragma once
// The published field names of the server and workstation statistics
// records, in record order: the names a scenario's stats line may set.
#include <span>
#include <string_view>

namespace ov::sim {

std::span<const std::string_view> serverStatFields();  // STAT_SERVER_0
std::span<const std::string_view>
workstationStatFields();  // STAT_WORKSTATION_0

}  // namespace ov::sim
