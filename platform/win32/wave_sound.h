#pragma once
// Wave output through the multimedia library.
#include "platform/sound.h"

namespace ov::win32 {

class WaveSound : public Sound {
 public:
  unsigned waveOutGetNumDevs() override;
  bool PlaySound(std::string_view fileName) override;
};

}  // namespace ov::win32
