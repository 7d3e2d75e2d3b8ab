#pragma once
// A scenario file read into timed events. World verbs are applied by the
// simulated LAN; the user verbs (ui, dump, exit, quit) go to whoever drives
// the run.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ov::sim {

struct ScenarioEvent {
  uint64_t timeMs = 0;  // since the start of the run
  std::string verb;
  std::vector<std::string>
      args;  // positional fields; for ui the sub-verb first
  std::vector<std::pair<std::string, std::string>> options;  // name=value
  int line = 0;

  std::optional<std::string> option(std::string_view name) const;
  // False for ui, dump, exit and quit.
  bool isWorldVerb() const;
};

struct Scenario {
  std::string fileName;
  std::vector<ScenarioEvent> events;  // in file order, times never decrease
};

// A line that cannot be read; what() is "FILE:LINE: reason".
class ScenarioError : public std::runtime_error {
 public:
  ScenarioError(const std::string& fileName, int line,
                const std::string& reason);
  int line() const { return line_; }  // 0 when the file itself failed

 private:
  int line_;
};

// Both throw ScenarioError on the first line that cannot be read.
Scenario readScenarioFile(const std::string& path);
Scenario parseScenario(std::string_view text, const std::string& fileName);

}  // namespace ov::sim
