#include "connrep/calendar_day.h"

namespace connrep {

namespace {

// Days from 0000-03-01 of the proleptic Gregorian calendar; the year starts
// in March so that the leap day comes last.
int CivilDays(int year, int month, int day) {
  year -= month <= 2;
  const int era = year / 400;
  const int yearOfEra = year - era * 400;
  const int dayOfYear =
      (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra =
      yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra;
}

const int kFirstDay = CivilDays(2000, 1, 1);

}  // namespace

int DayNumber(const CalendarDate& date) {
  return CivilDays(date.year, date.month, date.day) - kFirstDay;
}

CalendarDate DateOfDay(int dayNumber) {
  const int days = dayNumber + kFirstDay;
  const int era = days / 146097;
  const int dayOfEra = days - era * 146097;
  const int yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int dayOfYear =
      dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int shiftedMonth = (5 * dayOfYear + 2) / 153;
  const int day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
  const int month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  return {day, month, yearOfEra + era * 400 + (month <= 2)};
}

}  // namespace connrep
