#include "tallyrep/tallyrep_run.h"

#include "reptext/owned_file.h"
#include "tallyrep/log_reduce.h"
#include "tallyrep/traffic_report.h"

namespace {

constexpr const char* kUsage =
    "tallyrep - program for generation statistical logs based of Orvane "
    "logs.\nVersion 1.0.\nUsing: tallyrep [input_file] [output]\n";

}  // namespace

std::string ReportFromLog(std::FILE* log, const std::string& path,
                          ReportDate today, uint64_t halves_from) {
  TrafficTables tables;
  ReduceTrafficLogFile(log, path, tables, halves_from);
  SumUp(tables.in);
  SumUp(tables.out);
  SumUp(tables.sum);
  return FormatTrafficReport(tables, today);
}

int RunTallyrep(int argc, const char* const* argv, ReportDate today) {
  if (argc < 2) {
    std::fputs(kUsage, stdout);
    return 1;
  }
  // Both files are binary: the reader and the report handle CR LF
  // themselves, alike on every platform.
  OwnedFile input(std::fopen(argv[1], "rb"));
  if (!input) {
    std::fputs("Unable to read source file.\n", stderr);
    return 1;
  }
  OwnedFile output(argc < 3 ? nullptr : std::fopen(argv[2], "wb"));
  if (!output) {
    std::fputs("Unable to create result file.\n", stdout);
    return 1;
  }
  std::string report = ReportFromLog(input.get(), argv[1], today);
  input.reset();
  std::fwrite(report.data(), 1, report.size(), output.get());
  output.reset();
  return 0;
}
