#pragma once
// The name boxes of the messenger and the pinger: their lists start with
// the names the monitor keeps and grow by what the user types.
#include "platform/locale.h"
#include "platform/ui.h"

namespace ov::admin {

// Adds the box's text to its list unless an item equal to it, letter case
// aside, is there.
void RememberTypedName(ui::ComboBox& box, Locale& locale);

}  // namespace ov::admin
