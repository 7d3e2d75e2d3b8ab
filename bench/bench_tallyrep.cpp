// tallyrep on a year of the traffic log, against `wc -l` on the same file.
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/program_runs.h"
#include "tests/tallyrep/traffic_log_line.h"

namespace {

namespace fs = std::filesystem;

constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kLines = 525'600;

// A year of one line a minute from one run of the monitor: 525,600 lines.
const fs::path& YearLog() {
  static const fs::path path = [] {
    fs::path log = fs::temp_directory_path() / "bench_tallyrep_year.log";
    WriteSettled(log, [](std::FILE* file) {
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
            const std::string line =
                TrafficLogLine(time, day, month, 2023, in_kb, out_kb, 14235,
                               "Realtek PCIe GbE Family Controller");
            std::fwrite(line.data(), 1, line.size(), file);
          }
        }
      }
    });
    return log;
  }();
  return path;
}

void BM_Tallyrep(benchmark::State& state) {
  const fs::path report = fs::temp_directory_path() / "bench_tallyrep.txt";
  RunEach(state, {TALLYREP_BIN, YearLog().string(), report.string()}, YearLog(),
          kLines);
  fs::remove(report);
}

void BM_WcL(benchmark::State& state) {
  RunEach(state, {"wc", "-l", YearLog().string()}, YearLog(), kLines);
}

}  // namespace

BENCHMARK(BM_WcL)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Tallyrep)->Unit(benchmark::kMillisecond)->UseRealTime();
