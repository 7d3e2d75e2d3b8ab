#pragma once
// A buffer the network-management calls return, released with
// NetApiBufferFree however the call ended.
#include "platform/win32/windows_api.h"
// After windows.h.
#include <lm.h>

namespace ov::win32 {

class NetBuffer {
 public:
  NetBuffer() = default;
  NetBuffer(const NetBuffer&) = delete;
  NetBuffer& operator=(const NetBuffer&) = delete;
  ~NetBuffer() {
    if (data_) NetApiBufferFree(data_);
  }
  LPBYTE* out() { return &data_; }
  template <typename Record>
  const Record* records() const {
    return reinterpret_cast<const Record*>(data_);
  }

 private:
  LPBYTE data_ = nullptr;
};

}  // namespace ov::win32
