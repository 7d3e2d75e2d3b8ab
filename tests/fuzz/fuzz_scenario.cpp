// The scenario reader: any text is a scenario or a scenario error.
#include "platform/sim/scenario.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ov;
  try {
    sim::parseScenario(fuzz::textOf(data, size), "fuzz.scn");
  } catch (const sim::ScenarioError&) {
  }
  return 0;
}
