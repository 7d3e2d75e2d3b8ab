#include "platform/key_names.h"

#include <charconv>

namespace ov {

namespace {

constexpr unsigned kVkF1 = 0x70;

std::optional<unsigned> modifierBit(std::string_view word) {
  if (word == "Alt") return 1u;
  if (word == "Ctrl") return 2u;
  if (word == "Shift") return 4u;
  return std::nullopt;
}

}  // namespace

std::optional<unsigned> keyCode(std::string_view name) {
  if (name.size() == 1) {
    const char c = name[0];
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned>(c);
    if (c >= 'a' && c <= 'z') return static_cast<unsigned>(c - 'a' + 'A');
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c);
    return std::nullopt;
  }
  if (name.size() < 2 || name[0] != 'F') return std::nullopt;
  unsigned number = 0;
  const auto [end, error] =
      std::from_chars(name.data() + 1, name.data() + name.size(), number);
  if (error != std::errc() || end != name.data() + name.size() ||
      name[1] == '0' || number < 1 || number > 24)
    return std::nullopt;
  return kVkF1 + number - 1;
}

std::optional<unsigned> keyModifiers(std::string_view names) {
  if (names == "none") return 0u;
  unsigned modifiers = 0;
  while (true) {
    const std::size_t plus = names.find('+');
    const auto bit = modifierBit(names.substr(0, plus));
    if (!bit || (modifiers & *bit)) return std::nullopt;
    modifiers |= *bit;
    if (plus == std::string_view::npos) return modifiers;
    names.remove_prefix(plus + 1);
  }
}

std::optional<KeyCombo> keyCombo(std::string_view text) {
  const std::size_t plus = text.rfind('+');
  if (plus == std::string_view::npos) {
    const auto vk = keyCode(text);
    if (!vk) return std::nullopt;
    return KeyCombo{0, *vk};
  }
  const auto modifiers = keyModifiers(text.substr(0, plus));
  const auto vk = keyCode(text.substr(plus + 1));
  if (!modifiers || *modifiers == 0 || !vk) return std::nullopt;
  return KeyCombo{*modifiers, *vk};
}

}  // namespace ov
