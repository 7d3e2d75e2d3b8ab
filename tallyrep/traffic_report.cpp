#include "tallyrep/traffic_report.h"

#include <cstdint>
#include <string_view>

#include "reptext/cp1251_text.h"

namespace {

struct Unit {
  std::string_view name;
  uint64_t divisor;  // kilobytes per unit
};

constexpr Unit kUnits[] = {
    {"кб", 1}, {"мб", 1024}, {"гб", 1048576}, {"тб", 1073741824}};

constexpr std::string_view kMonthNames[13] = {
    "",     "Январь", "Февраль",  "Март",    "Апрель", "Май",    "Июнь",
    "Июль", "Август", "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};

// February always counts 28 days.
constexpr int kDaysInMonth[13] = {0,  31, 28, 31, 30, 31, 30,
                                  31, 31, 30, 31, 30, 31};

constexpr std::string_view kDashLine =
    "\n---------------------------------------------\n";

// The first unit in which the amount is at most 1,048,576; a 32-bit amount
// never needs more than gigabytes.
const Unit& UnitFor(uint32_t kilobytes) {
  int index = 0;
  for (const Unit& unit : kUnits)
    if (kilobytes / unit.divisor > 1048576) ++index;
  return kUnits[index];
}

void AddAmount(Cp1251Text& text, uint64_t kilobytes, const Unit& unit,
               std::size_t width) {
  text.AddRight(kilobytes / unit.divisor, width)
      .Add(" (")
      .Add(unit.name)
      .Add(")");
}

void AddAmountLine(Cp1251Text& text, std::string_view label, uint64_t kilobytes,
                   const Unit& unit) {
  text.Add(label);
  AddAmount(text, kilobytes, unit, 0);
  text.Add("\n");
}

// A bar of fifty "X" for the largest amount, shorter ones in proportion.
// Month totals stay below 32 * 2^32, so the product cannot overflow.
void AddBarLine(Cp1251Text& text, uint64_t kilobytes, uint64_t largest) {
  text.Add(" ");
  if (kilobytes > 0) text.AddRepeated('X', kilobytes * 50 / largest);
  text.Add("\n");
}

// Returns the unit the block is printed in.
const Unit& AddMonthBlock(Cp1251Text& text, const TrafficTable& table, int m) {
  const uint32_t* days = table.day[m];
  uint32_t largest = 0;
  uint32_t smallest = UINT32_MAX;
  for (int d = 1; d <= 31; ++d) {
    uint32_t total = days[d];
    if (total > largest) largest = total;
    if (total < smallest) smallest = total;
  }
  const Unit& unit = UnitFor(largest);

  text.Add("\n***************************************")
      .Add("\nСтатистика за месяц ")
      .Add(kMonthNames[m])
      .Add("\n");
  AddAmountLine(text, "Максимум за день: ", largest, unit);
  AddAmountLine(text, "Минимум за день: ", smallest, unit);
  AddAmountLine(text, "Среднее за день: ", table.month[m] / kDaysInMonth[m],
                unit);
  text.Add("\n");
  for (int d = 1; d <= kDaysInMonth[m]; ++d) {
    text.Add("Число ").AddRight(d, 3).Add(" - ");
    AddAmount(text, days[d], unit, 10);
    AddBarLine(text, days[d], largest);
  }
  return unit;
}

void AddMonthSummary(Cp1251Text& text, const TrafficTable& table,
                     int last_month, const Unit& unit) {
  uint64_t largest = 0;
  uint64_t smallest = UINT64_MAX;
  for (int m = 1; m <= 12; ++m) {
    uint64_t total = table.month[m];
    if (total > largest) largest = total;
    if (total < smallest) smallest = total;
  }

  text.Add("\n*********************************************\n")
      .Add("\nСтатистика по месяцам\n");
  AddAmountLine(text, "Максимум за месяц: ", largest, unit);
  AddAmountLine(text, "Минимум за месяц: ", smallest, unit);
  for (int m = 1; m <= last_month; ++m) {
    text.AddRight(kMonthNames[m], 9).Add(" - ");
    AddAmount(text, table.month[m], unit, 10);
    AddBarLine(text, table.month[m], largest);
  }
}

void AddSection(Cp1251Text& text, std::string_view title,
                const TrafficTable& table, int last_month) {
  text.Add(kDashLine).Add(title);
  const Unit* unit = &kUnits[0];
  for (int m = 1; m <= last_month; ++m) unit = &AddMonthBlock(text, table, m);
  // The summary keeps the unit of the last month shown.
  AddMonthSummary(text, table, last_month, *unit);
}

}  // namespace

std::string FormatTrafficReport(const TrafficTables& tables, ReportDate today) {
  Cp1251Text text;
  text.Add(kDashLine)
      .Add("\n Дата создания отчета: ")
      .AddNumber(today.day)
      .Add(".")
      .AddNumber(today.month)
      .Add(".")
      .AddNumber(today.year)
      .Add("\n");
  AddSection(text, "\nСтатистика по входящему траффику\n", tables.in,
             today.month);
  AddSection(text, "\nСтатистика по исходящему траффику\n", tables.out,
             today.month);
  AddSection(text, "\nСтатистика по суммарному траффику\n", tables.sum,
             today.month);
  return text.bytes();
}
