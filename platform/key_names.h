#pragma once
// Keys and combinations as a scenario and the menus' shortcut texts name
// them: "F1", "K", "7", "Del", "Ctrl+S", "Ctrl+Alt+K", "Alt+F11".
#include <optional>
#include <string_view>

#include "platform/hot_key_word.h"

namespace ov {

// modifiers as the hot-key registration numbers them (kModAlt ...); vk the
// virtual-key code.
struct KeyCombo {
  unsigned modifiers = 0;
  unsigned vk = 0;
  bool operator==(const KeyCombo&) const = default;
};

// A letter, a digit or F1 to F24: its virtual-key code.
std::optional<unsigned> keyCode(std::string_view name);
// Modifier words joined by '+' ("Ctrl+Alt", "Shift"), or "none".
std::optional<unsigned> keyModifiers(std::string_view names);
// Modifiers, then the key, joined by '+'; the key may also be one of the
// editing keys "Del", "Ins" and "Enter".
std::optional<KeyCombo> keyCombo(std::string_view text);

}  // namespace ov
