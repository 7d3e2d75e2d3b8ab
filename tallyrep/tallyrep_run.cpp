#include "tallyrep/tallyrep_run.h"

#include "reptext/owned_file.h"
#include "tallyrep/log_reduce.h"
#include "tallyrep/traffic_report.h"

namespace {

constexpr const char* kUsage =
    "tallyrep - program for generation statistical logs based of Orvane "
    "logs.\nVersion 1.0.\nUsing: tallyrep [input_file] [output]\n";

// Static, so the 7 MB of tables never sit on the stack.
TrafficTables run_tables;

}  // namespace

std::string ReportFromLog(std::FILE* log, TrafficTables& tables,
                          ReportDate today) {
  ReduceTrafficLog(log, tables);
  SumUp(tables.in);
  SumUp(tables.out);
  SumUp(tables.sum);
  return FormatTrafficReport(tables, today);
}

int RunTallyrep(int argc, const char* const* argv, ReportDate today) {
  ClearTables(run_tables);
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
  std::string report = ReportFromLog(input.get(), run_tables, today);
  input.reset();
  std::fwrite(report.data(), 1, report.size(), output.get());
  output.reset();
  return 0;
}
