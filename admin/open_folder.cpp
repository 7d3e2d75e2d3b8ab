#include "admin/open_folder.h"

#include "platform/text/utf8.h"

namespace ov::admin {

std::string FolderToOpen(std::string_view path) {
  const std::size_t last = path.find_last_of("\\:");
  if (last == std::string_view::npos) return "";
  const std::string_view folder = path.substr(0, last + 1);
  return utf8Length(folder) <= kMaxFolderChars ? std::string(folder) : "";
}

}  // namespace ov::admin
