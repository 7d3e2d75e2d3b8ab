// connrep on a one-million-line file log, against `wc -l` on the same file:
// both run as programs, so the start of a process weighs alike on each.
// The program's peak resident size is reported as the counter PeakMB.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

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
    std::FILE* file = std::fopen(log.string().c_str(), "wb");
    char line[256];
    for (int n = 0; n < kLines; ++n) {
      const int dayOfYear = n / (kLines / 365 + 1);
      const int month = dayOfYear / 31 + 1;
      const int day = dayOfYear % 31 % 28 + 1;
      const int computer = (n / 7) % kComputers;
      const int fileNumber =
          static_cast<int>((n * 7919LL + computer * 131) % kFiles);
      const int length =
          std::snprintf(line, sizeof line,
                        "[%2d:%02d:%02d  %02d.%02d.25] [PC-%03d] "
                        "D:\\Shares\\\xCE\xF2\xE4\xE5\xEB %d\\doc%05d.xls\r\n",
                        8 + n % 10, n % 60, n % 59, day, month, computer,
                        fileNumber % 40, fileNumber);
      std::fwrite(line, 1, length, file);
    }
    // Written back to disk before timing starts: the kernel's later
    // writeback would otherwise share the cores with the programs timed.
    std::fflush(file);
    fsync(fileno(file));
    std::fclose(file);
    return log;
  }();
  return path;
}

// Runs the program to its end; the child's rusage in `usage`.
bool RunProgram(const std::vector<std::string>& arguments, rusage& usage) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments)
    argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const bool started = posix_spawnp(&child, argv[0], &actions, nullptr,
                                    argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  return started && wait4(child, &status, 0, &usage) == child &&
         WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void RunEach(benchmark::State& state,
             const std::vector<std::string>& arguments) {
  long peakKb = 0;
  for (auto _ : state) {
    rusage usage{};
    if (!RunProgram(arguments, usage)) {
      state.SkipWithError("the program failed");
      return;
    }
    peakKb = std::max(peakKb, usage.ru_maxrss);
  }
  state.counters["PeakMB"] = static_cast<double>(peakKb) / 1024;
  state.SetItemsProcessed(state.iterations() * kLines);
  state.SetBytesProcessed(
      state.iterations() *
      static_cast<int64_t>(fs::file_size(MillionLineLog())));
}

void BM_Connrep(benchmark::State& state) {
  const fs::path report = fs::temp_directory_path() / "bench_connrep.txt";
  RunEach(state,
          {CONNREP_BIN, MillionLineLog().string() + ">" + report.string()});
  fs::remove(report);
}

void BM_WcL(benchmark::State& state) {
  RunEach(state, {"wc", "-l", MillionLineLog().string()});
}

}  // namespace

BENCHMARK(BM_WcL)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Connrep)->Unit(benchmark::kMillisecond)->UseRealTime();
