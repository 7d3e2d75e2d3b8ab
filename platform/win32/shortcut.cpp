#include "platform/win32/shortcut.h"

#include "platform/key_names.h"

namespace ov::win32 {

std::optional<ACCEL> parseShortcut(std::string_view text, WORD command) {
  const std::optional<KeyCombo> combo = keyCombo(text);
  if (!combo) return std::nullopt;
  ACCEL accel{FVIRTKEY, static_cast<WORD>(combo->vk), command};
  if (combo->modifiers & kModAlt) accel.fVirt |= FALT;
  if (combo->modifiers & kModCtrl) accel.fVirt |= FCONTROL;
  if (combo->modifiers & kModShift) accel.fVirt |= FSHIFT;
  return accel;
}

}  // namespace ov::win32
