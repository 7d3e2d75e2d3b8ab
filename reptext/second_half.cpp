#include "reptext/second_half.h"

#include <cstring>

namespace {

bool SeekTo(std::FILE* file, uint64_t offset) {
#ifdef _WIN32
  return _fseeki64(file, static_cast<__int64>(offset), SEEK_SET) == 0;
#else
  return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

std::optional<uint64_t> SizeOf(std::FILE* file) {
#ifdef _WIN32
  const bool atEnd = _fseeki64(file, 0, SEEK_END) == 0;
  const __int64 size = atEnd ? _ftelli64(file) : -1;
#else
  const bool atEnd = fseeko(file, 0, SEEK_END) == 0;
  const off_t size = atEnd ? ftello(file) : -1;
#endif
  if (size < 0 || !SeekTo(file, 0)) return std::nullopt;
  return static_cast<uint64_t>(size);
}

// Just past the first line feed from `from` on; nothing when there is none.
std::optional<uint64_t> LineStartFrom(std::FILE* file, uint64_t from) {
  if (!SeekTo(file, from)) return std::nullopt;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file));
       from += got) {
    if (const void* feed = std::memchr(buffer, '\n', got))
      return from + (static_cast<const char*>(feed) - buffer) + 1;
  }
  return std::nullopt;
}

}  // namespace

std::optional<SecondHalf> OpenSecondHalf(const std::string& path,
                                         std::FILE* first,
                                         uint64_t halvesFrom) {
  const std::optional<uint64_t> size = SizeOf(first);
  if (!size || *size < halvesFrom) return std::nullopt;
  OwnedFile second(std::fopen(path.c_str(), "rb"));
  if (!second) return std::nullopt;
  const std::optional<uint64_t> middle = LineStartFrom(second.get(), *size / 2);
  if (!middle || *middle >= *size || !SeekTo(second.get(), *middle))
    return std::nullopt;
  return SecondHalf{std::move(second), *middle};
}
