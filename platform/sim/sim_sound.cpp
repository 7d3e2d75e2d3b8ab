#include "platform/sim/sim_sound.h"

namespace ov::sim {

bool SimSound::PlaySound(std::string_view fileName) {
  journal_.write("PlaySound", {std::string(fileName)});
  const bool failed = world_.failures().take("PlaySound").has_value();
  return world_.soundDevice() && !failed;
}

}  // namespace ov::sim
