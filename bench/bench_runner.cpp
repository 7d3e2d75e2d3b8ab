// The headless runner through 24 virtual hours of ten clients, with the
// file log on and the journal and the dump written as the tests write
// them: a light working day (they come in the morning, open a file every
// ten minutes and leave in the evening) and a busy one (about 4,000
// openings, 3,500 closings, 5,500 touches and 150 connects and
// disconnects). Reported as virtual seconds per real second.
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

// The lines of a scenario come in time order; every day has the one
// interface.
using Events = std::multimap<int, std::string>;

Events DayStart() {
  return {{0, "iface eth0 in=0 out=0 rate_in=50000 rate_out=20000"}};
}

std::string ScenarioOf(const Events& events) {
  std::string scenario;
  for (const auto& [at, event] : events)
    scenario += std::to_string(at) + " " + event + "\n";
  return scenario;
}

// The client's computer and user: "PC3 user3".
std::string Who(int client) {
  return "PC" + std::to_string(client + 1) + " user" +
         std::to_string(client + 1);
}

std::string WorkingDay() {
  Events events = DayStart();
  int nextFile = 1;
  for (int client = 0; client < kClients; ++client) {
    const std::string who = Who(client);
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
  return ScenarioOf(events);
}

// Each client comes and goes eight times; in each stay of two and a half
// hours it opens a file every 180 s, closes seven of eight of them two
// minutes later, and touches the session every 130 s.
std::string BusyDay() {
  Events events = DayStart();
  int nextFile = 1;
  for (int client = 0; client < kClients; ++client) {
    const std::string who = Who(client);
    events.emplace(0, "host PC" + std::to_string(client + 1) + " 10.0.0." +
                          std::to_string(client + 11));
    for (int stay = client * 60; stay + 9000 < static_cast<int>(kDaySeconds);
         stay += 10800) {
      events.emplace(stay, "connect " + who);
      for (int at = stay + 30; at + 150 < stay + 9000; at += 180) {
        const int id = nextFile++;
        events.emplace(at, "open " + std::to_string(id) + " " + who +
                               " C:\\Shares\\Docs\\report" +
                               std::to_string(id % 300) + ".doc");
        if (id % 8 != 0)
          events.emplace(at + 120, "close " + std::to_string(id));
      }
      for (int at = stay + 60; at < stay + 9000; at += 130)
        events.emplace(at, "touch " + who);
      events.emplace(stay + 9000, "disconnect " + who);
    }
  }
  return ScenarioOf(events);
}

void RunDay(benchmark::State& state, const std::string& day) {
  const fs::path dir =
      fs::temp_directory_path() / ("bench_runner_" + std::to_string(getpid()));
  fs::create_directories(dir);
  ov::headless::RunnerOptions options;
  // Every opening goes to the file log, as an administrator has it.
  std::ofstream(dir / "OV.CFG", std::ios::binary)
      << "[Log]\r\nUse=1\r\nFiles=" << (dir / "netfiles.log").string()
      << "\r\n";
  options.scenario = (dir / "day.scn").string();
  std::ofstream(options.scenario) << day;
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

void BM_RunnerWorkingDay(benchmark::State& state) {
  RunDay(state, WorkingDay());
}

void BM_RunnerBusyDay(benchmark::State& state) { RunDay(state, BusyDay()); }

}  // namespace

BENCHMARK(BM_RunnerWorkingDay)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RunnerBusyDay)->Unit(benchmark::kMillisecond)->UseRealTime();
