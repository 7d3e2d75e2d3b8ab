#pragma once
// Files that live beside the program file: "OV.CFG", "traffic.log", the
// name lists.
#include <string>
#include <string_view>

#include "platform/program_location.h"

namespace ov {

std::string ProgramFilePath(const ProgramFolder& folder, std::string_view name);

}  // namespace ov
