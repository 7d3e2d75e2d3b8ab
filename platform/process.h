#pragma once
// Process port: a report program started and waited for.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ov {

// How a program is started, in the platform's numbers.
struct ProcessStart {
  uint32_t creationFlags = 0;  // CREATE_NEW_CONSOLE 0x10 ...
  uint32_t startupFlags = 0;   // STARTF_USESHOWWINDOW 1, USESIZE 2, ...
  uint16_t showWindow = 0;     // SW_HIDE 0 ...
};

// In a console of its own, its window hidden, at position and size 0.
inline constexpr ProcessStart kHiddenConsole{0x10, 0x1 | 0x2 | 0x4, 0};

class ProcessPort {
 public:
  virtual ~ProcessPort() = default;
  // Starts the command line (the program is its first item) as `start`
  // says and waits, without a limit, for it to end; its exit code, or
  // nothing when no process could be started.
  virtual std::optional<int> CreateProcess(std::string_view commandLine,
                                           const ProcessStart& start) = 0;
  // The platform's alias of the path that holds no blanks, if it has one.
  virtual std::optional<std::string> ShortPath(std::string_view path) = 0;
};

}  // namespace ov
