#pragma once
// The real clock: local time and a monotonic millisecond count.
#include <windows.h>

#include "platform/clock.h"

namespace ov::win32 {

class SystemClock : public Clock {
 public:
  SystemClock() : start_(GetTickCount64()) {}
  LocalDateTime now() override;
  uint64_t tickMs() override { return GetTickCount64() - start_; }

 private:
  ULONGLONG start_;
};

}  // namespace ov::win32
