#include "bench/program_runs.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

extern char** environ;

namespace {

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

}  // namespace

void SettleToDisk(std::FILE* file) {
  std::fflush(file);
  fsync(fileno(file));
}

void RunEach(benchmark::State& state, const std::vector<std::string>& arguments,
             const std::filesystem::path& file, int64_t lines) {
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
  state.SetItemsProcessed(state.iterations() * lines);
  state.SetBytesProcessed(
      state.iterations() *
      static_cast<int64_t>(std::filesystem::file_size(file)));
}
