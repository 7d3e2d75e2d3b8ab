// The headless runner through a working day: 24 virtual hours of ten
// clients who come in the morning, open and close files all day and leave
// in the evening, with the file log on and the journal and the dump
// written as the tests write them. Reported as virtual seconds per real
// second.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "platform/headless/runner/runner.h"

namespace {

namespace fs = std::filesystem;

constexpr int kClients = 10;
constexpr uint64_t kDaySeconds = 24 * 3600;

std::string WorkingDay() {
  // The lines of a scenario come in time order.
  std::multimap<int, std::string> events;
  events.emplace(0, "iface eth0 in=0 out=0 rate_in=50000 rate_out=20000");
  int nextFile = 1;
  for (int client = 0; client < kClients; ++client) {
    const std::string who = "PC" + std::to_string(client + 1) + " user" +
                            std::to_string(client + 1);
    const int arrives = 8 * 3600 + client * 300;
    const int leaves = 18 * 3600 + client * 240;
    events.emplace(arrives, "connect " + who);
    // A file every ten minutes, each open for seven.
    for (int at = arrives + 60; at + 420 < leaves; at += 600) {
      const std::string id = std::to_string(nextFile++);
      events.emplace(at, "open " + id + " " + who +
                             " C:\\Shares\\Docs\\report" +
                             std::to_string(nextFile % 50) + ".doc");
      events.emplace(at + 420, "close " + id);
    }
    events.emplace(leaves, "disconnect " + who);
  }
  std::string scenario;
  for (const auto& [at, event] : events)
    scenario += std::to_string(at) + " " + event + "\n";
  return scenario;
}

void BM_RunnerWorkingDay(benchmark::State& state) {
  const fs::path dir =
      fs::temp_directory_path() / ("bench_runner_" + std::to_string(getpid()));
  fs::create_directories(dir);
  ov::headless::RunnerOptions options;
  // Every opening goes to the file log, as an administrator has it.
  std::ofstream(dir / "OV.CFG", std::ios::binary)
      << "[Log]\r\nUse=1\r\nFiles=" << (dir / "netfiles.log").string()
      << "\r\n";
  options.scenario = (dir / "day.scn").string();
  std::ofstream(options.scenario) << WorkingDay();
  options.runForMs = kDaySeconds * 1000;
  options.programDir = dir.string() + "/";
  options.journal = (dir / "journal.jsonl").string();
  options.dump = (dir / "dump.json").string();
  options.start = ov::LocalDateTime{2026, 3, 2, 0, 0, 0, 0, 1};  // a Monday
  std::ostringstream errors;
  for (auto _ : state) {
    if (ov::headless::runScenario(options, errors) != 0) {
      state.SkipWithError(errors.str().c_str());
      break;
    }
  }
  state.counters["virtual_s_per_s"] =
      benchmark::Counter(static_cast<double>(kDaySeconds) * state.iterations(),
                         benchmark::Counter::kIsRate);
  fs::remove_all(dir);
}

}  // namespace

BENCHMARK(BM_RunnerWorkingDay)->Unit(benchmark::kMillisecond)->UseRealTime();
