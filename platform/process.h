#pragma once
// Process port: a report program started and waited for.
#include <optional>
#include <string>
#include <string_view>

namespace ov {

class ProcessPort {
 public:
  virtual ~ProcessPort() = default;
  // Starts the command line (the program is its first item) hidden in a
  // console of its own and waits, without a limit, for it to end; its exit
  // code, or nothing when no process could be started.
  virtual std::optional<int> CreateProcess(std::string_view commandLine) = 0;
  // The platform's alias of the path that holds no blanks, if it has one.
  virtual std::optional<std::string> ShortPath(std::string_view path) = 0;
};

}  // namespace ov
