#pragma once
// The files of the computer and user lists: one name per line, in the
// order of the list box.
#include <cstddef>
#include <string_view>

#include "platform/ui.h"

namespace ov {

// Adds the file's first maxLines lines to the list, each whole line one
// entry (an empty line an empty entry). A file that cannot be read adds
// nothing.
void LoadListBox(ui::ListBox& list, std::string_view path,
                 std::size_t maxLines);

// Replaces the file with every entry of the list, each ended by a line end.
// Returns 0, or -1 when the file cannot be written.
int SaveListBox(const ui::ListBox& list, std::string_view path);

}  // namespace ov
