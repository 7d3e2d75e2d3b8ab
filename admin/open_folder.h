#pragma once
// The folder the shell is asked to explore for a file or share path.
#include <cstddef>
#include <string>
#include <string_view>

namespace ov::admin {

inline constexpr std::size_t kMaxFolderChars = 199;

// Up to and including the path's last backslash or colon; empty when it
// has none, or when that is longer than 199 characters: a cut folder would
// be another one.
std::string FolderToOpen(std::string_view path);

}  // namespace ov::admin
