#pragma once
// The private-profile (INI) file "OV.CFG" lives in: "[Section]" lines open
// sections, "Key=Value" lines hold values. Section and key names match
// without regard to case, Latin and Cyrillic alike. On disk the file is
// 1251 with CR LF; names and values here are UTF-8. Every call reads the
// file afresh and every write rewrites it: settings are read once at start
// and written rarely.
#include <cstddef>
#include <string>
#include <string_view>

namespace ov {

// The key's value, or defaultValue when the file, the section or the key is
// missing; either is cut to capacity - 1 characters.
std::string GetPrivateProfileString(std::string_view section,
                                    std::string_view key,
                                    std::string_view defaultValue,
                                    std::size_t capacity,
                                    std::string_view path);

// The decimal number (optionally signed) at the start of the key's value, 0
// when the value does not start with one, or defaultValue when the file, the
// section or the key is missing.
int GetPrivateProfileInt(std::string_view section, std::string_view key,
                         int defaultValue, std::string_view path);

// Replaces the key's value where it stands, or adds the key after the last
// key of its section, or adds the section at the end of the file, creating
// the file when missing. Other lines are kept as they are. A value is one
// line: anything from its first line break on is dropped. False when the
// file cannot be written.
bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, std::string_view path);

}  // namespace ov
