#include "connrep/log_halves.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <thread>

#include "reptext/owned_file.h"

namespace connrep {

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

bool TallyLogFile(const std::string& path, ConnectionTally& tally,
                  uint64_t halvesFrom) {
  OwnedFile first(std::fopen(path.c_str(), "rb"));
  if (!first) return false;
  const std::optional<uint64_t> size = SizeOf(first.get());
  OwnedFile second(size && *size >= halvesFrom ? std::fopen(path.c_str(), "rb")
                                               : nullptr);
  const std::optional<uint64_t> middle =
      second ? LineStartFrom(second.get(), *size / 2) : std::nullopt;
  if (!middle || *middle >= *size || !SeekTo(second.get(), *middle))
    return TallyFileLog(first.get(), tally).read;

  ConnectionTally secondTally;
  LogPart secondPart;
  std::thread secondReader(
      [&] { secondPart = TallyFileLog(second.get(), secondTally); });
  const LogPart firstPart = TallyFileLog(first.get(), tally, *middle);
  secondReader.join();
  // After a Ctrl-Z in the first half the second is no longer the text.
  if (!firstPart.metCtrlZ) tally.Merge(secondTally);
  return firstPart.read && (firstPart.metCtrlZ || secondPart.read);
}

}  // namespace connrep
