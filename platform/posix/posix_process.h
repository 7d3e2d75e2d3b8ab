#pragma once
// Report programs on Linux: the command line split as Windows splits it,
// the program started with posix_spawn and waited for. A program named
// "X.exe" that is not there runs as the native "X" beside it.
#include "platform/process.h"

namespace ov::posix {

class PosixProcess : public ProcessPort {
 public:
  std::optional<int> CreateProcess(std::string_view commandLine) override;
  std::optional<std::string> ShortPath(std::string_view) override {
    return std::nullopt;
  }
};

}  // namespace ov::posix
