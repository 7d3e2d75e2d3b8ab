#pragma once
// The lines of the statistics page: what the system counts for the server
// and workstation services, and the thousands grouping of the totals.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/netapi.h"

namespace ov {

// The 13 lines of the workstation box, in its line order.
std::vector<std::string> WorkstationLines(const STAT_WORKSTATION_0& record);

// The server box: the uptime at `unixNow`, the shown counters, the bytes.
std::vector<std::string> ServerLines(const STAT_SERVER_0& record,
                                     int64_t unixNow);

// "12 345 678" with the separator given; no fraction.
std::string GroupThousands(uint64_t value, std::string_view separator);

}  // namespace ov
