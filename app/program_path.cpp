#include "app/program_path.h"

namespace ov {

std::string ProgramFilePath(const ProgramFolder& folder,
                            std::string_view name) {
  std::string path(folder.path);
  path += name;
  return path;
}

}  // namespace ov
