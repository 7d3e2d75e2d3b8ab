// One monitor poll against a real Samba server: the session and file
// enumerations on the kept pipe, as every cycle asks them. The server is
// named by ORVANE_SAMBA_SERVER and ORVANE_SAMBA_CREDENTIALS
// (tests/samba/poll_bench.sh starts one with two clients and five files).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/samba/samba_netapi.h"

namespace {

constexpr uint32_t kAllAtOnce = 0xFFFFFFFFu;

void BM_SambaPoll(benchmark::State& state) {
  const char* server = std::getenv("ORVANE_SAMBA_SERVER");
  const char* credentials = std::getenv("ORVANE_SAMBA_CREDENTIALS");
  if (!server || !credentials) {
    state.SkipWithError("no server named");
    return;
  }
  ov::samba::SambaNetApi net(server, credentials, 10);
  std::string error;
  if (!net.connect(error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  std::size_t sessions = 0, files = 0;
  for (auto _ : state) {
    uint32_t resume = 0;
    const auto sessionBatch = net.NetSessionEnum("", 502, kAllAtOnce, resume);
    const auto fileBatch = net.NetFileEnum("", 3, kAllAtOnce, resume);
    if (sessionBatch.status != ov::NERR_Success ||
        fileBatch.status != ov::NERR_Success) {
      state.SkipWithError("an enumeration failed");
      break;
    }
    sessions = sessionBatch.info502.size();
    files = fileBatch.entries.size();
  }
  state.counters["sessions"] = static_cast<double>(sessions);
  state.counters["files"] = static_cast<double>(files);
}
BENCHMARK(BM_SambaPoll)->Unit(benchmark::kMillisecond);

}  // namespace
