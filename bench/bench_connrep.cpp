// connrep on one-million-line file logs, against `wc -l` on the same file:
// one that names few distinct files, one that names a great many.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/program_runs.h"

namespace {

namespace fs = std::filesystem;

constexpr int kLines = 1'000'000;
constexpr int kComputers = 60;

// A year of openings, dates in order; `path(n, computer)` writes line n's
// path (without its line end) into `out` and gives its length.
template <class PathOf>
fs::path WriteYearOfOpenings(const char* name, PathOf pathOf) {
  fs::path log = fs::temp_directory_path() / name;
  WriteSettled(log, [&](std::FILE* file) {
    char line[256];
    for (int n = 0; n < kLines; ++n) {
      const int dayOfYear = n / (kLines / 365 + 1);
      const int month = dayOfYear / 31 + 1;
      const int day = dayOfYear % 31 % 28 + 1;
      const int computer = (n / 7) % kComputers;
      int length = std::snprintf(
          line, sizeof line, "[%2d:%02d:%02d  %02d.%02d.25] [PC-%03d] ",
          8 + n % 10, n % 60, n % 59, day, month, computer);
      length += pathOf(n, computer, line + length);
      line[length++] = '\r';
      line[length++] = '\n';
      std::fwrite(line, 1, length, file);
    }
  });
  return log;
}

// 8,000 files in 40 folders, some Russian names; about 64 MB.
const fs::path& FewFilesLog() {
  static const fs::path path = WriteYearOfOpenings(
      "bench_connrep_netfiles.log", [](int n, int computer, char* out) {
        const int file = static_cast<int>((n * 7919LL + computer * 131) % 8000);
        return std::snprintf(out, 128,
                             "D:\\Shares\\\xCE\xF2\xE4\xE5\xEB %d\\doc%05d.xls",
                             file % 40, file);
      });
  return path;
}

// Each line one of 360,000 random names under 17 folders, picked at
// random: about 340,000 distinct files; about 59 MB.
const fs::path& ManyFilesLog() {
  static const fs::path path = WriteYearOfOpenings(
      "bench_connrep_many_files.log", [](int n, int, char* out) {
        auto mixed = [](uint64_t x) {
          x = (x ^ (x >> 31)) * 0x9E3779B97F4A7C15;
          return x ^ (x >> 29);
        };
        const uint64_t file = mixed(n + 1) % 360'000;
        uint64_t letters = mixed(file + 0x5EED);
        char name[7];
        for (char& letter : name) {
          letter = static_cast<char>('a' + letters % 26);
          letters /= 26;
        }
        return std::snprintf(out, 128,
                             "D:\\Docs\\\xCF\xE0\xEF\xEA\xE0%02d\\%.7s.xls",
                             static_cast<int>(file % 17), name);
      });
  return path;
}

void RunConnrep(benchmark::State& state, const fs::path& log) {
  const fs::path report = fs::temp_directory_path() / "bench_connrep.txt";
  RunEach(state, {CONNREP_BIN, log.string() + ">" + report.string()}, log,
          kLines);
  fs::remove(report);
}

void BM_WcL(benchmark::State& state) {
  RunEach(state, {"wc", "-l", FewFilesLog().string()}, FewFilesLog(), kLines);
}
void BM_Connrep(benchmark::State& state) { RunConnrep(state, FewFilesLog()); }

void BM_WcLManyFiles(benchmark::State& state) {
  RunEach(state, {"wc", "-l", ManyFilesLog().string()}, ManyFilesLog(), kLines);
}
void BM_ConnrepManyFiles(benchmark::State& state) {
  RunConnrep(state, ManyFilesLog());
}

}  // namespace

BENCHMARK(BM_WcL)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Connrep)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WcLManyFiles)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ConnrepManyFiles)->Unit(benchmark::kMillisecond)->UseRealTime();
