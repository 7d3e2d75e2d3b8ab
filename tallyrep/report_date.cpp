#include "tallyrep/report_date.h"

#include <ctime>

ReportDate LocalToday() {
  std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  return {local->tm_mday, local->tm_mon + 1, local->tm_year + 1900};
}
