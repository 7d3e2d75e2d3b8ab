#include "platform/win32/system_clock.h"

namespace ov::win32 {

LocalDateTime SystemClock::now() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return {t.wYear,   t.wMonth,  t.wDay,          t.wHour,
          t.wMinute, t.wSecond, t.wMilliseconds, t.wDayOfWeek};
}

}  // namespace ov::win32
