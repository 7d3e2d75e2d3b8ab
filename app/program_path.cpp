#include "app/program_path.h"

namespace ov {

std::string ProgramFilePath(std::string_view programDir,
                            std::string_view name) {
  std::string path(programDir);
  path += name;
  return path;
}

}  // namespace ov
