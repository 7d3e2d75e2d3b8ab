#include "platform/win32/wave_sound.h"

#include <mmsystem.h>
#include <windows.h>

#include "platform/win32/window_text.h"

// The port's member, not the system's A/W name.
#undef PlaySound

namespace ov::win32 {

unsigned WaveSound::waveOutGetNumDevs() { return ::waveOutGetNumDevs(); }

bool WaveSound::PlaySound(std::string_view fileName) {
  return ::PlaySoundW(wideText(fileName).c_str(), nullptr,
                      SND_FILENAME | SND_ASYNC);
}

}  // namespace ov::win32
