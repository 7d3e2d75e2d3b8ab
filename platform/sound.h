#pragma once
// Sound port: wave-output devices and asynchronous playing of a wave file.
#include <string_view>

namespace ov {

class Sound {
 public:
  virtual ~Sound() = default;
  virtual unsigned waveOutGetNumDevs() = 0;
  // Plays the named file asynchronously; the name is taken as given.
  virtual bool PlaySound(std::string_view fileName) = 0;
};

}  // namespace ov
