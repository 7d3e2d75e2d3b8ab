// "rules": any text read as rules never gives more than the table holds,
// and the rules read are written and read back alike.
#include "monitor/rules_file.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ov;
  const auto rules = monitor::parseRulesText(fuzz::textOf(data, size), 64);
  fuzz::expect(rules.size() <= 64);
  const std::string written = monitor::rulesText(rules);
  fuzz::expect(monitor::rulesText(monitor::parseRulesText(written, 64)) ==
               written);
  return 0;
}
