// One monitor cycle in steady state on a busy server: 50 sessions and
// hundreds of open files, with the file log on and off.
#include <benchmark/benchmark.h>

#include <string>

#include "tests/monitor_cycle/lan_form.h"
#include "tests/rules_log/busy_server.h"
#include "tests/rules_log/rules_lan.h"

namespace {

// Arguments: open files, file log on (1) or off (0).
void BM_MonitorCycle(benchmark::State& state) {
  const int files = static_cast<int>(state.range(0));
  const bool logging = state.range(1) != 0;
  ov::test::LanForm lan(
      ov::test::busyServer(files),
      ov::test::programOptions({.rules = false, .logging = logging}));
  // The first cycles record what is open; the steady state follows.
  lan.runUntil(3);
  for (auto _ : state) lan.form().Timer3Timer();
  state.counters["files_logged"] = static_cast<double>(
      lan.form().monitorParts().connections.fileOpeningsCounted());
}

BENCHMARK(BM_MonitorCycle)
    ->ArgNames({"files", "log"})
    ->Args({300, 1})
    ->Args({1000, 1})
    ->Args({1000, 0})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
