#pragma once
// The connections report of log bytes, made in memory, and the expected
// text written as UTF-8 with "\n".
#include <cstdio>
#include <string>
#include <string_view>

#include "connrep/connections_report.h"
#include "reptext/cp1251_text.h"

namespace connrep {

inline std::string ReportOfLog(std::string_view bytes,
                               std::string_view logName = "netfiles.log") {
  std::FILE* file = std::tmpfile();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  ConnectionTally tally;
  const bool read = TallyFileLog(file, tally);
  std::fclose(file);
  return read ? FormatConnectionsReport(tally, logName) : "(unreadable)";
}

inline std::string Cp1251(std::string_view utf8) {
  return Cp1251Text().Add(utf8).bytes();
}

}  // namespace connrep
