#pragma once
// Reading a whole enumeration of the network-management port.
#include <cstddef>
#include <cstdint>

#include "platform/netapi.h"

namespace ov::monitor {

// More batches than a server of this machine's size ever sends: past them
// a server that keeps answering ERROR_MORE_DATA is not listened to.
inline constexpr std::size_t kMaxEnumerationBatches = 4096;

inline std::size_t entriesOf(const NetApi::SessionBatch& batch) {
  return batch.info502.size() + batch.info10.size();
}
template <typename Record>
std::size_t entriesOf(const NetBatch<Record>& batch) {
  return batch.entries.size();
}

// Calls call(resumeHandle) again while it answers ERROR_MORE_DATA, handing
// every batch to handleBatch. The resume handle starts at 0. A failing call
// ends the enumeration; its status is returned and the batches handled
// before it stay handled. Returns NERR_Success when everything was read. A
// server that answers ERROR_MORE_DATA with nothing, or beyond any real
// number of batches, ends it too, with ERROR_MORE_DATA: the cycle goes on.
template <typename Call, typename HandleBatch>
NetStatus enumerateAll(Call&& call, HandleBatch&& handleBatch) {
  uint32_t resumeHandle = 0;
  for (std::size_t batches = 0; batches < kMaxEnumerationBatches; ++batches) {
    const auto batch = call(resumeHandle);
    if (batch.status != NERR_Success && batch.status != ERROR_MORE_DATA) {
      return batch.status;
    }
    handleBatch(batch);
    if (batch.status == NERR_Success) return NERR_Success;
    if (entriesOf(batch) == 0) break;
  }
  return ERROR_MORE_DATA;
}

}  // namespace ov::monitor
