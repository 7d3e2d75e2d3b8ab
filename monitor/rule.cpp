#include "monitor/rule.h"

#include <charconv>

#include "platform/text/utf8.h"

namespace ov::monitor {

std::string_view eventText(uint8_t event) {
  return event < kEventTexts.size() ? kEventTexts[event] : std::string_view();
}

std::string_view actionText(uint8_t action) {
  return action < kActionTexts.size() ? kActionTexts[action]
                                      : std::string_view();
}

std::string_view useText(uint8_t use) {
  return use > kUseOnce ? kUseAlwaysText : kUseOnceText;
}

std::optional<long long> decimalNumber(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
  long long value = 0;
  const char* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

Rule cutToWidths(Rule rule) {
  rule.address = utf8Cut(rule.address, kRuleAddressChars);
  rule.actionParam = utf8Cut(rule.actionParam, kRuleActionParamChars);
  rule.eventParam = utf8Cut(rule.eventParam, kRuleEventParamChars);
  return rule;
}

}  // namespace ov::monitor
