#pragma once
// Which file openings have been logged already: the last 256 of them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ov::monitor {

class OpenedFileRing {
 public:
  static constexpr std::size_t kSlots = 256;
  static constexpr std::size_t kPathChars = 255;
  static constexpr std::size_t kUserChars = 32;

  struct Entry {
    std::string path;
    std::string userName;
  };

  // Exact comparison over every slot, of the names as they would be stored.
  bool contains(std::string_view path, std::string_view userName) const;
  // The position advances before the write, so the first entry after start
  // lands in slot 1. Returns the entry as stored.
  const Entry& remember(std::string_view path, std::string_view userName);

  const Entry& slot(std::size_t index) const { return entries_.at(index); }
  uint16_t writePosition() const { return position_; }

 private:
  std::array<Entry, kSlots> entries_{};
  uint16_t position_ = 0;
};

}  // namespace ov::monitor
