#pragma once
// Keys and combinations as a scenario names them: "F1", "K", "7",
// "Ctrl+S", "Ctrl+Alt+K", "Alt+F11".
#include <optional>
#include <string_view>

namespace ov {

// modifiers as the hot-key registration numbers them: 1 Alt, 2 Ctrl,
// 4 Shift; vk the virtual-key code.
struct KeyCombo {
  unsigned modifiers = 0;
  unsigned vk = 0;
  bool operator==(const KeyCombo&) const = default;
};

// A letter, a digit or F1 to F24: its virtual-key code.
std::optional<unsigned> keyCode(std::string_view name);
// Modifier words joined by '+' ("Ctrl+Alt", "Shift"), or "none".
std::optional<unsigned> keyModifiers(std::string_view names);
// Modifiers, then the key, joined by '+'.
std::optional<KeyCombo> keyCombo(std::string_view text);

}  // namespace ov
