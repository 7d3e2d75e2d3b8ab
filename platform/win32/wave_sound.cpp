#include "platform/win32/wave_sound.h"

#include "platform/win32/window_text.h"
#include "platform/win32/windows_api.h"

namespace ov::win32 {

unsigned WaveSound::waveOutGetNumDevs() { return ::waveOutGetNumDevs(); }

bool WaveSound::PlaySound(std::string_view fileName) {
  return ::PlaySoundW(wideText(fileName).c_str(), nullptr,
                      SND_FILENAME | SND_ASYNC);
}

}  // namespace ov::win32
