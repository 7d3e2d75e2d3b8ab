#pragma once
// Local file attributes through GetFileAttributesExW; the program's text
// files through the text layer.
#include "platform/filesystem.h"

namespace ov::win32 {

class WinFileSystem : public FileSystem {
 public:
  bool isDirectory(std::string_view path) override;
  std::optional<std::string> readTextFile(std::string_view path) override;
  bool writeTextFile(std::string_view path, std::string_view text) override;
};

}  // namespace ov::win32
