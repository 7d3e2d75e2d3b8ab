#pragma once
// What the fuzz targets share: the input as text, and as a file for the
// readers that take a path (one file per fuzzing process).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace ov::fuzz {

inline std::string_view textOf(const uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The input written to the file `name` of this process's own; its path.
inline std::string asFile(std::string_view bytes, const char* name) {
  const std::string path =
      "/tmp/ov_fuzz_" + std::string(name) + "_" + std::to_string(getpid());
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) std::abort();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  return path;
}

// A finding: the property does not hold.
inline void expect(bool holds) {
  if (!holds) std::abort();
}

}  // namespace ov::fuzz
