#include "platform/sim/sim_process.h"

namespace ov::sim {

std::optional<int> SimProcess::CreateProcess(std::string_view commandLine) {
  journal_.write("CreateProcess", {std::string(commandLine)});
  if (world_.failures().take("CreateProcess")) return std::nullopt;
  return real_ ? real_->CreateProcess(commandLine) : 0;
}

}  // namespace ov::sim
