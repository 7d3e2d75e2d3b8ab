#pragma once
// The real clock: local time and a monotonic millisecond count.
#include "platform/clock.h"
#include "platform/win32/windows_api.h"

namespace ov::win32 {

class SystemClock : public Clock {
 public:
  SystemClock() : start_(GetTickCount64()) {}
  LocalDateTime now() override;
  uint64_t tickMs() override { return GetTickCount64() - start_; }
  int64_t unixTime() override;

 private:
  ULONGLONG start_;
};

}  // namespace ov::win32
