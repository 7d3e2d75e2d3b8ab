#pragma once
// Texts a user cannot read whole: a caption, label, button text, group
// caption or column header wider than the room its control gives it, in
// the control's own font; a text covered by a sibling; a control that
// sticks out of its parent; a list that needs a horizontal scroll bar.
#include "platform/win32/windows_api.h"
// (after it)
#include <string>
#include <vector>

namespace ov::win32 {

// Every such fault among the visible windows under TOP, each with its
// text and the widths: what the text needs and what it has.
std::vector<std::string> cutTexts(HWND top);

}  // namespace ov::win32
