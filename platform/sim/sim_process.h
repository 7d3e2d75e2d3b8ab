#pragma once
// The scenario's machine starting a program: the command line and the
// start flags go to the journal, then to the real machine's process port when
// there is one (the runner really runs the report programs); without one the
// start works and the program ends with 0. "fail CreateProcess STATUS" makes a
// start fail.
#include "platform/journal.h"
#include "platform/process.h"
#include "platform/sim/world.h"

namespace ov::sim {

class SimProcess : public ProcessPort {
 public:
  SimProcess(World& world, Journal& journal)
      : world_(world), journal_(journal) {}
  void setRealProcesses(ProcessPort* real) { real_ = real; }
  std::optional<int> CreateProcess(std::string_view commandLine,
                                   const ProcessStart& start) override;
  // No short forms: the program quotes a path with blanks instead.
  std::optional<std::string> ShortPath(std::string_view) override {
    return std::nullopt;
  }

 private:
  World& world_;
  Journal& journal_;
  ProcessPort* real_ = nullptr;
};

}  // namespace ov::sim
