#pragma once
// Local file attributes port.
#include <string_view>

namespace ov {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // True when the path names a directory on this machine; false for files
  // and for paths whose attributes cannot be read.
  virtual bool isDirectory(std::string_view path) = 0;
};

}  // namespace ov
