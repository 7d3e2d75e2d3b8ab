#pragma once
// The wave-output device of the scenario's sound line; sounds played go to
// the journal.
#include "platform/journal.h"
#include "platform/sim/world.h"
#include "platform/sound.h"

namespace ov::sim {

class SimSound : public Sound {
 public:
  SimSound(World& world, Journal& journal) : world_(world), journal_(journal) {}

  unsigned waveOutGetNumDevs() override { return world_.soundDevice() ? 1 : 0; }
  // Journaled even without a device, so a test sees the attempt.
  bool PlaySound(std::string_view fileName) override;

 private:
  World& world_;
  Journal& journal_;
};

}  // namespace ov::sim
