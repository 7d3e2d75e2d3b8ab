#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "tallyrep/tallyrep_run.h"
#include "tests/tallyrep/traffic_log_line.h"

namespace {

constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// A year of one line a minute from one run of the monitor: 525,600 lines.
std::filesystem::path WriteYearLog() {
  std::filesystem::path path =
      std::filesystem::temp_directory_path() / "bench_tallyrep_year.log";
  std::FILE* file = std::fopen(path.string().c_str(), "wb");
  long long in_kb = 3'000'000;
  long long out_kb = 1'000'000;
  char time[9];
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= kDaysInMonth[month - 1]; ++day) {
      for (int minute = 0; minute < 24 * 60; ++minute) {
        in_kb += 7 + minute % 13;
        out_kb += 2 + minute % 5;
        std::snprintf(time, sizeof time, "%d:%02d:00", minute / 60,
                      minute % 60);
        std::string line =
            TrafficLogLine(time, day, month, 2023, in_kb, out_kb, 14235,
                           "Realtek PCIe GbE Family Controller");
        std::fwrite(line.data(), 1, line.size(), file);
      }
    }
  }
  std::fclose(file);
  return path;
}

void BM_YearLogToReport(benchmark::State& state) {
  std::filesystem::path log = WriteYearLog();
  std::filesystem::path report =
      std::filesystem::temp_directory_path() / "bench_tallyrep_report.txt";
  std::string log_name = log.string();
  std::string report_name = report.string();
  const char* argv[] = {"tallyrep", log_name.c_str(), report_name.c_str()};
  for (auto _ : state) {
    if (RunTallyrep(3, argv, {31, 12, 2023}) != 0) {
      state.SkipWithError("tallyrep failed");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * 525'600);
  state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(log));
  std::filesystem::remove(log);
  std::filesystem::remove(report);
}

}  // namespace

BENCHMARK(BM_YearLogToReport)->Unit(benchmark::kMillisecond);
