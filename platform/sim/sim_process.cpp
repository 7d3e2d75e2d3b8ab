#include "platform/sim/sim_process.h"

namespace ov::sim {

std::optional<int> SimProcess::CreateProcess(std::string_view commandLine,
                                             const ProcessStart& start) {
  journal_.write("CreateProcess", {std::string(commandLine),
                                   static_cast<long long>(start.creationFlags),
                                   static_cast<long long>(start.startupFlags),
                                   static_cast<long long>(start.showWindow)});
  if (world_.failures().take("CreateProcess")) return std::nullopt;
  return real_ ? real_->CreateProcess(commandLine, start) : 0;
}

}  // namespace ov::sim
