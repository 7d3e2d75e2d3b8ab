#include "monitor/file_log_line.h"

#include <cstdio>

#include "platform/text/utf8.h"

namespace ov::monitor {

namespace {

constexpr std::size_t kTimeWidth = 8;

}  // namespace

std::string fileLogLine(const LocalDateTime& moment, std::string_view longTime,
                        std::string_view computer, std::string_view path) {
  const std::size_t timeChars = utf8Length(longTime);
  std::string line = "[";
  if (timeChars < kTimeWidth) line.append(kTimeWidth - timeChars, ' ');
  line += longTime;
  char date[48];
  std::snprintf(date, sizeof date, "  %02d.%02d.%02d] [", moment.day,
                moment.month, moment.year % 100);
  line += date;
  line += computer;
  line += "] ";
  line += path;
  line += "\r\n";
  return line;
}

}  // namespace ov::monitor
