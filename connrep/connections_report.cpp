#include "connrep/connections_report.h"

#include <algorithm>
#include <vector>

#include "reptext/cp1251_text.h"

namespace connrep {

namespace {

constexpr std::size_t kCountWidth = 10;
constexpr std::size_t kDaysWidth = 6;
constexpr std::string_view kGap = "  ";

void AddDate(Cp1251Text& text, int dayNumber) {
  const CalendarDate date = DateOfDay(dayNumber);
  auto twoDigits = [&](int value) {
    text.AddNumber(value / 10).AddNumber(value % 10);
  };
  twoDigits(date.day);
  text.Add(".");
  twoDigits(date.month);
  text.Add(".").AddNumber(date.year);
}

void AddHead(Cp1251Text& text, const ConnectionTally& tally,
             std::string_view logName) {
  text.Add("Отчет о подключениях\n\nЖурнал открытия файлов: ")
      .AddCp1251(logName)
      .Add("\nПериод: ");
  if (tally.empty()) {
    text.Add("записей нет");
  } else {
    text.Add("с ");
    AddDate(text, tally.firstDay());
    text.Add(" по ");
    AddDate(text, tally.lastDay());
  }
  text.Add("\nОткрытий файлов: ")
      .AddNumber(tally.openings())
      .Add("\nПропущено строк: ")
      .AddNumber(tally.skipped())
      .Add("\n");
}

void AddComputers(Cp1251Text& text, const ConnectionTally& tally) {
  using Entry = StringMap<ComputerTally>::value_type;
  std::vector<const Entry*> rows;
  for (const Entry& entry : tally.computers()) rows.push_back(&entry);
  // Most openings first; equal counts in the byte order of the name.
  std::sort(rows.begin(), rows.end(), [](const Entry* a, const Entry* b) {
    if (a->second.openings != b->second.openings)
      return a->second.openings > b->second.openings;
    return a->first < b->first;
  });
  text.Add("\nПо компьютерам\n")
      .AddRight("Открытий", kCountWidth)
      .Add(kGap)
      .AddRight("Дней", kDaysWidth)
      .Add(kGap)
      .Add("Компьютер\n");
  for (const Entry* row : rows) {
    text.AddRight(row->second.openings, kCountWidth)
        .Add(kGap)
        .AddRight(row->second.daysActive.count(), kDaysWidth)
        .Add(kGap);
    if (row->first.empty())
      text.Add("(без имени)");
    else
      text.AddCp1251(row->first);
    text.Add("\n");
  }
}

void AddUsers(Cp1251Text& text) {
  text.Add(
      "\nПо пользователям\n"
      "Журнал открытия файлов не хранит имен пользователей.\n");
}

struct FileRow {
  std::string_view path;
  uint64_t count;
};

// Most openings first; equal counts in the byte order of the path.
bool OpenedMore(const FileRow& a, const FileRow& b) {
  if (a.count != b.count) return a.count > b.count;
  return a.path < b.path;
}

// The first kTopFiles in that order, picked in one pass: a log may name
// hundreds of thousands of files, and only these are shown.
std::vector<FileRow> MostOpenedFiles(const ConnectionTally& tally) {
  std::vector<FileRow> top;
  top.reserve(kTopFiles + 1);
  tally.ForEachFile([&](const PathCounts::Entry& file) {
    const FileRow row{file.path, file.count};
    if (top.size() == kTopFiles && !OpenedMore(row, top.back())) return;
    top.insert(std::upper_bound(top.begin(), top.end(), row, OpenedMore), row);
    if (top.size() > kTopFiles) top.pop_back();
  });
  return top;
}

void AddTopFiles(Cp1251Text& text, const ConnectionTally& tally) {
  const std::vector<FileRow> rows = MostOpenedFiles(tally);
  text.Add("\nСамые открываемые файлы\n")
      .AddRight("Открытий", kCountWidth)
      .Add(kGap)
      .Add("Файл\n");
  for (const FileRow& row : rows)
    text.AddRight(row.count, kCountWidth)
        .Add(kGap)
        .AddCp1251(row.path)
        .Add("\n");
}

void AddDayChart(Cp1251Text& text, const ConnectionTally& tally) {
  text.Add("\nОткрытия по дням за последние 31 день журнала\n");
  if (tally.empty()) return;
  const int first =
      std::max(tally.firstDay(), tally.lastDay() - kChartDays + 1);
  uint64_t most = 0;
  for (int day = first; day <= tally.lastDay(); ++day)
    most = std::max(most, tally.openingsOnDay(day));
  for (int day = first; day <= tally.lastDay(); ++day) {
    const uint64_t count = tally.openingsOnDay(day);
    AddDate(text, day);
    text.AddRight(count, kCountWidth);
    // Any opening shows at least one mark; the busiest day fills the bar.
    // Counts are below 2^64 / 50 in any log that fits a disk.
    if (count > 0)
      text.Add(kGap).AddRepeated('#', (count * kLongestBar + most - 1) / most);
    text.Add("\n");
  }
}

}  // namespace

std::string FormatConnectionsReport(const ConnectionTally& tally,
                                    std::string_view logName) {
  Cp1251Text text;
  AddHead(text, tally, logName);
  AddComputers(text, tally);
  AddUsers(text);
  AddTopFiles(text, tally);
  AddDayChart(text, tally);
  return text.bytes();
}

}  // namespace connrep
