#pragma once
// Local files port: attributes, and the program's own text files that
// go through it (1251 with CR LF on disk, UTF-8 here).
#include <optional>
#include <string>
#include <string_view>

namespace ov {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // True when the path names a directory on this machine; false for files
  // and for paths whose attributes cannot be read.
  virtual bool isDirectory(std::string_view path) = 0;
  // The file's text; nullopt when it cannot be opened or read.
  virtual std::optional<std::string> readTextFile(std::string_view path) = 0;
  // Makes or empties the file and writes the text; false when it cannot.
  virtual bool writeTextFile(std::string_view path, std::string_view text) = 0;
};

}  // namespace ov
