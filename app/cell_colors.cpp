#include "app/cell_colors.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace ov {

namespace {

constexpr int kPermissionColumn = 2;
constexpr int kIdleColumn = 3;
// An idle time of up to ten seconds marks an active client.
constexpr uint64_t kActiveSeconds = 10;

// "h:mm:ss", hours unbounded; nothing for any other text.
std::optional<uint64_t> durationSeconds(std::string_view text) {
  uint64_t total = 0;
  for (int part = 0; part < 3; ++part) {
    const std::size_t end = part < 2 ? text.find(':') : std::string_view::npos;
    const std::string_view digits = text.substr(0, end);
    uint64_t value = 0;
    const auto [stop, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() ||
        stop != digits.data() + digits.size())
      return std::nullopt;
    total = total * 60 + value;
    if (part < 2) {
      if (end == std::string_view::npos) return std::nullopt;
      text.remove_prefix(end + 1);
    }
  }
  return total;
}

}  // namespace

uint32_t OpenFilesCellColor(const ui::StringGrid& grid, int row) {
  if (row == 0) return kColorBlack;
  const std::string& permission = grid.cell(kPermissionColumn, row);
  if (permission == "DIR") return kColorMaroon;
  if (permission == "чтение") return kColorGreen;
  if (permission == "запись") return kColorNavy;
  return kColorBlack;
}

uint32_t ConnectionsCellColor(const ui::StringGrid& grid, int row) {
  if (row == 0) return kColorBlack;
  const auto idle = durationSeconds(grid.cell(kIdleColumn, row));
  return idle && *idle <= kActiveSeconds ? kColorGreen : kColorBlack;
}

}  // namespace ov
