#include "platform/win32/system_clock.h"

namespace ov::win32 {

LocalDateTime SystemClock::now() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return {t.wYear,   t.wMonth,  t.wDay,          t.wHour,
          t.wMinute, t.wSecond, t.wMilliseconds, t.wDayOfWeek};
}

int64_t SystemClock::unixTime() {
  SYSTEMTIME t;
  GetSystemTime(&t);
  return UnixSecondsOf(
      {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond});
}

}  // namespace ov::win32
