#pragma once
// The administrator's universal rules: actions attached to events about a
// client address.
#include <cstdint>
#include <string_view>

namespace ov::monitor {

class RuleTable {
 public:
  // A connection seen for the first time.
  void connectEvent(std::string_view address);
  // Every session on every cycle, with its connection time.
  void timeEvent(std::string_view address, uint32_t seconds);
  // A newly recorded file opening.
  void fileEvent(std::string_view address, std::string_view path);
};

}  // namespace ov::monitor
