#pragma once
// Days of the file log's calendar, 2000-01-01 to 2099-12-31, as numbers
// from 0, so that a day fits a bit set and the days between two dates are
// a subtraction.
#include <cstddef>

namespace connrep {

inline constexpr std::size_t kCalendarDays = 36525;

struct CalendarDate {
  int day = 0;
  int month = 0;
  int year = 0;  // four digits
};

// year: 2000 to 2099; the date must exist.
int DayNumber(const CalendarDate& date);
CalendarDate DateOfDay(int dayNumber);

}  // namespace connrep
