#pragma once
// Local file attributes through GetFileAttributesExW.
#include "platform/filesystem.h"

namespace ov::win32 {

class WinFileSystem : public FileSystem {
 public:
  bool isDirectory(std::string_view path) override;
};

}  // namespace ov::win32
