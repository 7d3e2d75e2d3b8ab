#pragma once
// Report programs on Linux: the command line split as Windows splits it,
// the program started with posix_spawn and waited for. A program named
// "X.exe" that is not there runs as the native "X" beside it.
#include "platform/process.h"

namespace ov::posix {

class PosixProcess : public ProcessPort {
 public:
  // A console and a window mean nothing here: start only names the
  // program's way of starting on Windows.
  std::optional<int> CreateProcess(std::string_view commandLine,
                                   const ProcessStart& start) override;
  std::optional<std::string> ShortPath(std::string_view) override {
    return std::nullopt;
  }
};

}  // namespace ov::posix
