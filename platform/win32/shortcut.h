#pragma once
// Shortcut texts of menu items ("Ctrl+S", "F3") as keyboard accelerators.
#include <optional>
#include <string_view>

#include "platform/win32/windows_api.h"

namespace ov::win32 {

// Empty when the text names no key this program uses.
std::optional<ACCEL> parseShortcut(std::string_view text, WORD command);

}  // namespace ov::win32
