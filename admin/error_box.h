#pragma once
// The framework's box for an error a command raised: the message, the
// owner's caption and the stop icon.
#include <cstdint>
#include <string>

#include "platform/ui.h"

namespace ov::admin {

inline void ShowErrorBox(ui::WindowSystem& windows, ui::Form& owner,
                         const std::string& message) {
  constexpr uint32_t kStopIcon = 0x10;
  windows.messageBox(&owner, message, owner.caption(), kStopIcon);
}

}  // namespace ov::admin
