#include "monitor/opened_file_ring.h"

#include "platform/text/utf8.h"

namespace ov::monitor {

OpenedFileRing::OpenedFileRing() {
  slotsHolding_.reserve(kSlots);
  slotsHolding_.emplace(Entry{}, static_cast<uint16_t>(kSlots));
}

OpeningView OpenedFileRing::cut(std::string_view path,
                                std::string_view userName) {
  return {utf8Prefix(path, kPathChars), utf8Prefix(userName, kUserChars)};
}

bool OpenedFileRing::contains(const OpeningView& cutOpening) const {
  return slotsHolding_.contains(cutOpening);
}

const OpenedFileRing::Entry& OpenedFileRing::remember(
    std::string_view path, std::string_view userName) {
  position_ = static_cast<uint16_t>((position_ + 1) % kSlots);
  Entry& entry = entries_[position_];
  const auto old = slotsHolding_.find(entry);
  if (--old->second == 0) slotsHolding_.erase(old);
  const OpeningView stored = cut(path, userName);
  entry = {std::string(stored.path), std::string(stored.userName)};
  ++slotsHolding_.try_emplace(entry, 0).first->second;
  return entry;
}

}  // namespace ov::monitor
