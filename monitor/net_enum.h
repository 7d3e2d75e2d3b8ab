#pragma once
// Reading a whole enumeration of the network-management port.
#include <cstdint>

#include "platform/netapi.h"

namespace ov::monitor {

// Calls call(resumeHandle) again while it answers ERROR_MORE_DATA, handing
// every batch to handleBatch. The resume handle starts at 0. A failing call
// ends the enumeration; its status is returned and the batches handled
// before it stay handled. Returns NERR_Success when everything was read.
template <typename Call, typename HandleBatch>
NetStatus enumerateAll(Call&& call, HandleBatch&& handleBatch) {
  uint32_t resumeHandle = 0;
  while (true) {
    const auto batch = call(resumeHandle);
    if (batch.status != NERR_Success && batch.status != ERROR_MORE_DATA) {
      return batch.status;
    }
    handleBatch(batch);
    if (batch.status == NERR_Success) return NERR_Success;
  }
}

}  // namespace ov::monitor
