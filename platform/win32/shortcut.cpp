#include "platform/win32/shortcut.h"

#include <cctype>
#include <charconv>

namespace ov::win32 {

namespace {

std::optional<WORD> virtualKey(std::string_view key) {
  if (key.size() == 1 && std::isalnum(static_cast<unsigned char>(key[0])))
    return static_cast<WORD>(std::toupper(static_cast<unsigned char>(key[0])));
  if (key == "Del") return VK_DELETE;
  if (key == "Ins") return VK_INSERT;
  if (key == "Enter") return VK_RETURN;
  int number = 0;
  if (key.size() >= 2 && key[0] == 'F') {
    auto [end, error] =
        std::from_chars(key.data() + 1, key.data() + key.size(), number);
    if (error == std::errc() && end == key.data() + key.size() && number >= 1 &&
        number <= 24)
      return static_cast<WORD>(VK_F1 + number - 1);
  }
  return std::nullopt;
}

}  // namespace

std::optional<ACCEL> parseShortcut(std::string_view text, WORD command) {
  ACCEL accel{FVIRTKEY, 0, command};
  for (;;) {
    const size_t plus = text.find('+');
    if (plus == std::string_view::npos || plus + 1 == text.size()) break;
    const std::string_view modifier = text.substr(0, plus);
    if (modifier == "Ctrl")
      accel.fVirt |= FCONTROL;
    else if (modifier == "Alt")
      accel.fVirt |= FALT;
    else if (modifier == "Shift")
      accel.fVirt |= FSHIFT;
    else
      return std::nullopt;
    text.remove_prefix(plus + 1);
  }
  const auto key = virtualKey(text);
  if (!key) return std::nullopt;
  accel.key = *key;
  return accel;
}

}  // namespace ov::win32
