#include "monitor/opened_file_ring.h"

#include <algorithm>

#include "platform/text/utf8.h"

namespace ov::monitor {

bool OpenedFileRing::contains(std::string_view path,
                              std::string_view userName) const {
  const std::string cutPath = utf8Cut(path, kPathChars);
  const std::string cutUser = utf8Cut(userName, kUserChars);
  return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
    return e.path == cutPath && e.userName == cutUser;
  });
}

const OpenedFileRing::Entry& OpenedFileRing::remember(
    std::string_view path, std::string_view userName) {
  position_ = static_cast<uint16_t>((position_ + 1) % kSlots);
  Entry& entry = entries_[position_];
  entry = {utf8Cut(path, kPathChars), utf8Cut(userName, kUserChars)};
  return entry;
}

}  // namespace ov::monitor
