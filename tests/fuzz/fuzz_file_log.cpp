// The file log: each line read after the line before reads as it does
// alone; the whole log tallies in one pass as in two halves; log search
// finds only lines holding the text.
#include <cstring>

#include "admin/log_search.h"
#include "connrep/connections_report.h"
#include "connrep/file_log_line.h"
#include "connrep/log_halves.h"
#include "platform/text/cp1251.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

bool sameLine(const connrep::FileLogLine& a, const connrep::FileLogLine& b) {
  return a.day == b.day && a.month == b.month && a.year == b.year &&
         a.time == b.time && a.computer == b.computer && a.path == b.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ov;
  const std::string_view bytes = fuzz::textOf(data, size);
  connrep::FileLogLineParser parser;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view line = bytes.substr(start, end - start);
    connrep::FileLogLine inTurn, alone;
    const bool read = parser.Parse(line, inTurn);
    fuzz::expect(read == connrep::ParseFileLogLine(line, alone));
    if (read) fuzz::expect(sameLine(inTurn, alone));
    start = end + 1;
  }

  const std::string path = fuzz::asFile(bytes, "netfiles");
  connrep::ConnectionTally whole, halves;
  fuzz::expect(connrep::TallyLogFile(path, whole, UINT64_MAX));
  fuzz::expect(connrep::TallyLogFile(path, halves, 1));
  fuzz::expect(connrep::FormatConnectionsReport(whole, "log") ==
               connrep::FormatConnectionsReport(halves, "log"));

  // The first bytes, up to a line end, are the text searched for, typed
  // into the dialog as they read in Windows-1251.
  const std::string text =
      cp1251ToUtf8(bytes.substr(0, std::min<std::size_t>(bytes.find('\n'), 8)));
  for (const std::string& found : admin::SearchLog(path, text))
    fuzz::expect(found.find(text) != std::string::npos);
  return 0;
}
