#include "platform/sim/failures.h"

#include <algorithm>

namespace ov::sim {

void FailureTable::arm(std::string call, uint32_t status,
                       std::optional<uint32_t> count, uint32_t skip) {
  std::erase_if(armed_, [&](const Armed& a) { return a.call == call; });
  armed_.push_back({std::move(call), status, count, skip});
}

std::optional<uint32_t> FailureTable::take(std::string_view call) {
  const auto it = std::find_if(armed_.begin(), armed_.end(),
                               [&](const Armed& a) { return a.call == call; });
  if (it == armed_.end()) return std::nullopt;
  if (it->skip > 0) {
    --it->skip;
    return std::nullopt;
  }
  const uint32_t status = it->status;
  if (it->remaining && --*it->remaining == 0) armed_.erase(it);
  return status;
}

}  // namespace ov::sim
