#pragma once
// "OV.CFG" as the main form reads and writes it: integers in decimal,
// check-box states as "1" and "0", strings as they are. Write failures are
// not reported: a failed write leaves the old contents.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "platform/ui.h"

namespace ov {

class ConfigFile {
 public:
  explicit ConfigFile(std::string path) : path_(std::move(path)) {}
  const std::string& path() const { return path_; }

  int readInt(std::string_view section, std::string_view key,
              int defaultValue) const;
  std::string readString(std::string_view section, std::string_view key,
                         std::string_view defaultValue,
                         std::size_t capacity) const;
  // Checks the box when the value is not 0; a change of state runs the
  // box's click handler, as a user click would.
  void loadCheckBox(std::string_view section, std::string_view key,
                    bool defaultValue, ui::CheckBox& box) const;

  void writeInt(std::string_view section, std::string_view key,
                int value) const;
  void writeFlag(std::string_view section, std::string_view key,
                 bool value) const;
  void writeCheckBox(std::string_view section, std::string_view key,
                     const ui::CheckBox& box) const;
  void writeString(std::string_view section, std::string_view key,
                   std::string_view value) const;

 private:
  std::string path_;
};

}  // namespace ov
