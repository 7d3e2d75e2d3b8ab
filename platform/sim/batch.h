#pragma once
// Cuts an enumeration's answer into the batch one call returns.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/netapi.h"

namespace ov::sim {

// Keeps the entries from the resume handle on, at most limit of them, and
// moves the handle past them. ERROR_MORE_DATA while entries remain.
template <typename Record>
NetStatus takeBatch(std::vector<Record>& entries, uint32_t& resumeHandle,
                    std::optional<uint32_t> limit) {
  const size_t total = entries.size();
  const size_t from = std::min<size_t>(resumeHandle, total);
  const size_t count =
      limit ? std::min<size_t>(*limit, total - from) : total - from;
  entries.erase(entries.begin() + from + count, entries.end());
  entries.erase(entries.begin(), entries.begin() + from);
  resumeHandle = static_cast<uint32_t>(from + count);
  return from + count < total ? ERROR_MORE_DATA : NERR_Success;
}

}  // namespace ov::sim
