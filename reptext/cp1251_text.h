#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Windows-1251 text built from UTF-8 pieces, every line feed written as
// CR LF, so the report reads the same whichever platform wrote it.
class Cp1251Text {
 public:
  Cp1251Text& Add(std::string_view utf8);
  Cp1251Text& AddNumber(uint64_t number);
  // Right-aligned in at least `width` characters.
  Cp1251Text& AddRight(std::string_view utf8, std::size_t width);
  Cp1251Text& AddRight(uint64_t number, std::size_t width);
  Cp1251Text& AddRepeated(char c, std::size_t count);
  // Text that already is Windows-1251, such as a log's names and paths;
  // control characters become "?" so that they cannot break a line.
  Cp1251Text& AddCp1251(std::string_view bytes);

  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// Russian letters and ASCII map to their Windows-1251 bytes; any other
// character becomes "?".
std::string Utf8ToCp1251(std::string_view utf8);
