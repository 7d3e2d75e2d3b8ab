#include "monitor/rules.h"

namespace ov::monitor {

// Filled by the universal rules; until then the table holds no rule, so no
// event has anything to act on.

void RuleTable::connectEvent(std::string_view /*address*/) {}

void RuleTable::timeEvent(std::string_view /*address*/, uint32_t /*seconds*/) {}

void RuleTable::fileEvent(std::string_view /*address*/,
                          std::string_view /*path*/) {}

}  // namespace ov::monitor
