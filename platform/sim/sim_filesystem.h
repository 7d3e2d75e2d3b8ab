#pragma once
// Local file attributes from the scenario's dir lines; the program's text
// files are this machine's own, unless the scenario makes opening
// ("fail OpenFile:NAME") or making ("fail CreateFile:NAME") one fail.
#include <string>

#include "platform/filesystem.h"
#include "platform/sim/world.h"
#include "platform/text/text_file.h"

namespace ov::sim {

class SimFileSystem : public FileSystem {
 public:
  explicit SimFileSystem(World& world) : world_(world) {}
  // Exact path, letter case aside, as Windows compares paths.
  bool isDirectory(std::string_view path) override {
    return world_.isDirectory(path);
  }
  std::optional<std::string> readTextFile(std::string_view path) override {
    if (world_.failures().take("OpenFile:" + std::string(path)))
      return std::nullopt;
    return ov::readTextFile(path);
  }
  bool writeTextFile(std::string_view path, std::string_view text) override {
    if (world_.failures().take("CreateFile:" + std::string(path))) return false;
    return ov::writeTextFile(path, text);
  }

 private:
  World& world_;
};

}  // namespace ov::sim
