#include "monitor/text_forms.h"

#include <array>
#include <utility>

#include "platform/text/clock_text.h"

namespace ov::monitor {

std::string durationText(uint32_t seconds) {
  return clockText(seconds / 3600, seconds / 60 % 60, seconds % 60);
}

std::string protocolName(std::string_view transport) {
  // Searched in this order; the first hit wins.
  static constexpr std::pair<std::string_view, std::string_view> kTokens[] = {
      {"TCP", "TCP-IP"}, {"LNKNB", "NETBIOS"}, {"IPX", "IPX"}, {"SMB", "SMB"}};
  // The tokens are ASCII, so ASCII upper case finds them all.
  std::string upper(transport);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  for (const auto& [token, name] : kTokens) {
    if (upper.find(token) != std::string::npos) return std::string(name);
  }
  return std::string(transport);
}

std::string_view permissionText(uint32_t permissions) {
  static constexpr std::array<std::string_view, 8> kTexts = {
      "", "чтение", "запись", "R/W", "создан", "C/R", "C/W", "C/R/W"};
  return kTexts[permissions & 7];
}

}  // namespace ov::monitor
