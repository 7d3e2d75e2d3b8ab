#pragma once
#include <cstdio>

namespace connrep {

// The program: `connrep log [>report]`. Writes the report to the named file
// or to `standardOutput`, already in binary mode. Returns the exit code.
int RunConnrep(int argc, const char* const* argv, std::FILE* standardOutput);

}  // namespace connrep
