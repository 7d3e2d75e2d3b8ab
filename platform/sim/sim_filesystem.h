#pragma once
// Local file attributes from the scenario's dir lines.
#include "platform/filesystem.h"
#include "platform/sim/world.h"

namespace ov::sim {

class SimFileSystem : public FileSystem {
 public:
  explicit SimFileSystem(World& world) : world_(world) {}
  // Exact path, letter case aside, as Windows compares paths.
  bool isDirectory(std::string_view path) override {
    return world_.isDirectory(path);
  }

 private:
  World& world_;
};

}  // namespace ov::sim
