#pragma once
// The history lists of the page "История" keep the newest rows only, so a
// busy server cannot fill the memory with them.
#include <cstddef>

#include "platform/ui.h"

namespace ov::monitor {

inline constexpr int kHistoryRowLimit = 1000;

// Appends a row; at the limit the oldest row goes first.
inline void appendHistoryRow(ui::ListView& list, const ui::ListItem& row) {
  if (list.count() >= kHistoryRowLimit) list.deleteItem(0);
  list.addItem(row);
}

}  // namespace ov::monitor
