#include "platform/key_names.h"

#include <charconv>

namespace ov {

namespace {

constexpr unsigned kVkF1 = 0x70;

// The keys of shortcuts that a hot-key field does not take.
std::optional<unsigned> editingKey(std::string_view name) {
  if (name == "Del") return 0x2Eu;
  if (name == "Ins") return 0x2Du;
  if (name == "Enter") return 0x0Du;
  return std::nullopt;
}

std::optional<unsigned> modifierBit(std::string_view word) {
  if (word == "Alt") return kModAlt;
  if (word == "Ctrl") return kModCtrl;
  if (word == "Shift") return kModShift;
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

namespace {

std::optional<unsigned> comboKey(std::string_view name) {
  if (const auto key = keyCode(name)) return key;
  return editingKey(name);
}

}  // namespace

std::optional<KeyCombo> keyCombo(std::string_view text) {
  const std::size_t plus = text.rfind('+');
  if (plus == std::string_view::npos) {
    const auto vk = comboKey(text);
    return vk ? std::optional<KeyCombo>(KeyCombo{0, *vk}) : std::nullopt;
  }
  // "none+K" names no combination: "K" alone does.
  const auto modifiers = keyModifiers(text.substr(0, plus));
  const auto vk = comboKey(text.substr(plus + 1));
  if (!modifiers || *modifiers == 0 || !vk) return std::nullopt;
  return KeyCombo{*modifiers, *vk};
}

}  // namespace ov
