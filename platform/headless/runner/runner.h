#pragma once
// The headless runner: the main form on in-memory controls, driven on a
// virtual clock against the simulated LAN.
#include <iosfwd>

#include "platform/headless/runner/options.h"

namespace ov::headless {

// Runs one scenario; returns the exit status (0, or 2 for a scenario or
// command-line error, with the message written to err).
int runScenario(const RunnerOptions& options, std::ostream& err);

}  // namespace ov::headless
