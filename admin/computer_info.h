#pragma once
// "Информация о компьютере": what a computer's server tells of itself, its
// platform, version, comment and the roles it announces, in a message box.
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/netapi.h"
#include "platform/ui.h"

namespace ov::admin {

// The name buffer of the call and the box's text buffer, in characters
// without their terminators.
inline constexpr std::size_t kMaxComputerChars = 31;
inline constexpr std::size_t kMaxInfoChars = 1999;

// The box's text, cut to its buffer.
std::string ComputerInfoText(std::string_view computer,
                             const SERVER_INFO_101& info);

// Asks the computer (empty: this machine) and shows the box; a computer
// that does not answer, or a name longer than the call's buffer, shows
// nothing.
void ShowComputerInfo(NetApi& net, ui::WindowSystem& windows,
                      std::string_view computer);

}  // namespace ov::admin
