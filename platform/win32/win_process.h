#pragma once
// Report programs on Windows: CreateProcessW, hidden in a new console, and
// waited for; short paths through GetShortPathNameW.
#include "platform/process.h"

namespace ov::win32 {

class WinProcess : public ProcessPort {
 public:
  std::optional<int> CreateProcess(std::string_view commandLine,
                                   const ProcessStart& start) override;
  std::optional<std::string> ShortPath(std::string_view path) override;
};

}  // namespace ov::win32
