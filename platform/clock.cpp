#include "platform/clock.h"

namespace ov {

int64_t UnixSecondsOf(const LocalDateTime& t) {
  // Days from 1970-01-01 in the proleptic Gregorian calendar, the year
  // taken from March so that the leap day comes last.
  const int64_t year = t.year - (t.month <= 2 ? 1 : 0);
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear =
      (153 * (t.month + (t.month > 2 ? -3 : 9)) + 2) / 5 + t.day - 1;
  const int64_t dayOfEra =
      yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const int64_t days = era * 146097 + dayOfEra - 719468;
  return days * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

}  // namespace ov
