#pragma once
// Which file openings have been logged already: the last 256 of them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "monitor/opening_key.h"

namespace ov::monitor {

class OpenedFileRing {
 public:
  static constexpr std::size_t kSlots = 256;
  static constexpr std::size_t kPathChars = 255;
  static constexpr std::size_t kUserChars = 32;

  using Entry = OpeningKey;

  OpenedFileRing();

  // The names as they would be stored: cut to their fields.
  static OpeningView cut(std::string_view path, std::string_view userName);
  // Whether any slot holds the opening: exact comparison, as a scan of every
  // slot would answer it, in constant time. Never-written slots hold an
  // empty path and user name.
  bool contains(const OpeningView& cutOpening) const;
  bool contains(std::string_view path, std::string_view userName) const {
    return contains(cut(path, userName));
  }
  // The position advances before the write, so the first entry after start
  // lands in slot 1. Returns the entry as stored.
  const Entry& remember(std::string_view path, std::string_view userName);

  const Entry& slot(std::size_t index) const { return entries_.at(index); }
  uint16_t writePosition() const { return position_; }

 private:
  std::array<Entry, kSlots> entries_{};
  // How many slots hold each opening.
  OpeningMap<uint16_t> slotsHolding_;
  uint16_t position_ = 0;
};

}  // namespace ov::monitor
