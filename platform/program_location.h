#pragma once
// Where the running program lives: the program file's folder, ending in a
// path separator, and the program file itself. Distinct types, so that the
// one cannot be given for the other.
#include <string>

namespace ov {

struct ProgramFolder {
  std::string path;
};

struct ProgramFile {
  std::string path;
};

}  // namespace ov
