#pragma once

// The day the report is made; its month is the last one reported.
struct ReportDate {
  int day;
  int month;  // 1 to 12
  int year;   // four digits
};

ReportDate LocalToday();
