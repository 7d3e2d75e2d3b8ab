#include "monitor/access_policy.h"

namespace ov::monitor {

// Filled by the access policy; until then every session stays and every
// file stays open.

bool AccessPolicy::sessionChecks(std::string_view /*client*/,
                                 std::string_view /*address*/,
                                 std::string_view /*user*/) {
  return false;
}

void AccessPolicy::openFileChecks(uint32_t /*fileId*/) {}

void AccessPolicy::openFileLimit(uint32_t /*fileId*/,
                                 std::size_t /*position*/) {}

}  // namespace ov::monitor
