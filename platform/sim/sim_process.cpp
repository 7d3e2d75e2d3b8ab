#include "platform/sim/sim_process.h"

namespace ov::sim {

bool SimProcess::CreateProcess(std::string_view commandLine) {
  journal_.write("CreateProcess", {std::string(commandLine)});
  if (world_.failures().take("CreateProcess")) return false;
  return real_ ? real_->CreateProcess(commandLine) : true;
}

}  // namespace ov::sim
