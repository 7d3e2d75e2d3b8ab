#pragma once
// The headless runner: the main form on in-memory controls, driven on a
// virtual clock against the simulated LAN, or on the wall clock against a
// real server.
#include <iosfwd>

#include "platform/headless/runner/options.h"

namespace ov::headless {

// Runs one scenario, or watches the server; returns the exit status (0; 1
// when the server cannot be reached; 2 for a scenario or command-line
// error), with the message written to err.
int runScenario(const RunnerOptions& options, std::ostream& err);

}  // namespace ov::headless
