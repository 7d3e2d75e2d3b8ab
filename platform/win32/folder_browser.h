#pragma once
// The shell's browse-for-folder dialog.
#include <optional>
#include <string>

#include "platform/win32/windows_api.h"

namespace ov::win32 {

// Opens at `start` when that folder exists; empty when cancelled or when
// the choice is no file-system folder.
std::optional<std::string> runFolderBrowser(HWND owner,
                                            const std::string& caption,
                                            const std::string& start);

}  // namespace ov::win32
