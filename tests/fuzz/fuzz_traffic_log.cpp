// "traffic.log": any bytes give the same report read in one pass or in
// two halves.
#include <cstdio>

#include "tallyrep/tallyrep_run.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ov;
  const std::string path = fuzz::asFile(fuzz::textOf(data, size), "traffic");
  std::string reports[2];
  const uint64_t halvesFrom[2] = {UINT64_MAX, 1};
  for (int run = 0; run < 2; ++run) {
    std::FILE* log = std::fopen(path.c_str(), "rb");
    fuzz::expect(log != nullptr);
    reports[run] = ReportFromLog(log, path, {31, 12, 2024}, halvesFrom[run]);
    std::fclose(log);
  }
  fuzz::expect(reports[0] == reports[1]);
  return 0;
}
