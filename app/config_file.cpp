#include "app/config_file.h"

#include "app/ini_file.h"

namespace ov {

int ConfigFile::readInt(std::string_view section, std::string_view key,
                        int defaultValue) const {
  return GetPrivateProfileInt(section, key, defaultValue, path_);
}

std::string ConfigFile::readString(std::string_view section,
                                   std::string_view key,
                                   std::string_view defaultValue,
                                   std::size_t capacity) const {
  return GetPrivateProfileString(section, key, defaultValue, capacity, path_);
}

void ConfigFile::loadCheckBox(std::string_view section, std::string_view key,
                              bool defaultValue, ui::CheckBox& box) const {
  box.setChecked(readInt(section, key, defaultValue ? 1 : 0) != 0);
}

void ConfigFile::writeInt(std::string_view section, std::string_view key,
                          int value) const {
  writeString(section, key, std::to_string(value));
}

void ConfigFile::writeFlag(std::string_view section, std::string_view key,
                           bool value) const {
  writeString(section, key, value ? "1" : "0");
}

void ConfigFile::writeCheckBox(std::string_view section, std::string_view key,
                               const ui::CheckBox& box) const {
  writeFlag(section, key, box.checked());
}

void ConfigFile::writeString(std::string_view section, std::string_view key,
                             std::string_view value) const {
  WritePrivateProfileString(section, key, value, path_);
}

}  // namespace ov
