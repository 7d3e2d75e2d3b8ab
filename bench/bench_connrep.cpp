// connrep on a one-million-line file log, against `wc -l` on the same file.
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/program_runs.h"

namespace {

namespace fs = std::filesystem;

constexpr int kLines = 1'000'000;
constexpr int kComputers = 60;
constexpr int kFiles = 8'000;

// A year of openings: a few computers, each working through a share of the
// files, dates in order, some Russian names; about 64 MB.
const fs::path& MillionLineLog() {
  static const fs::path path = [] {
    fs::path log = fs::temp_directory_path() / "bench_connrep_netfiles.log";
    WriteSettled(log, [](std::FILE* file) {
      char line[256];
      for (int n = 0; n < kLines; ++n) {
        const int dayOfYear = n / (kLines / 365 + 1);
        const int month = dayOfYear / 31 + 1;
        const int day = dayOfYear % 31 % 28 + 1;
        const int computer = (n / 7) % kComputers;
        const int fileNumber =
            static_cast<int>((n * 7919LL + computer * 131) % kFiles);
        const int length = std::snprintf(
            line, sizeof line,
            "[%2d:%02d:%02d  %02d.%02d.25] [PC-%03d] "
            "D:\\Shares\\\xCE\xF2\xE4\xE5\xEB %d\\doc%05d.xls\r\n",
            8 + n % 10, n % 60, n % 59, day, month, computer, fileNumber % 40,
            fileNumber);
        std::fwrite(line, 1, length, file);
      }
    });
    return log;
  }();
  return path;
}

void BM_Connrep(benchmark::State& state) {
  const fs::path report = fs::temp_directory_path() / "bench_connrep.txt";
  RunEach(state,
          {CONNREP_BIN, MillionLineLog().string() + ">" + report.string()},
          MillionLineLog(), kLines);
  fs::remove(report);
}

void BM_WcL(benchmark::State& state) {
  RunEach(state, {"wc", "-l", MillionLineLog().string()}, MillionLineLog(),
          kLines);
}

}  // namespace

BENCHMARK(BM_WcL)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Connrep)->Unit(benchmark::kMillisecond)->UseRealTime();
