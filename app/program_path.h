#pragma once
// Files that live beside the program file: "OV.CFG", "traffic.log", the
// name lists.
#include <string>
#include <string_view>

namespace ov {

// programDir is the program file's folder, ending in a path separator.
std::string ProgramFilePath(std::string_view programDir, std::string_view name);

}  // namespace ov
