#include "monitor/rule_matching.h"

#include <cstdint>

#include "monitor/latin_upper.h"

namespace ov::monitor {

namespace {

constexpr std::string_view kAnyAddress = "*";

}  // namespace

bool ruleAppliesTo(const Rule& rule, std::string_view address) {
  if (rule.event >= kEventTexts.size() || rule.action >= kActionTexts.size())
    return false;
  return rule.address == address || rule.address == kAnyAddress;
}

std::string_view fileExtension(std::string_view path) {
  const std::size_t slash = path.rfind('\\');
  const std::string_view name =
      slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? name : name.substr(dot + 1);
}

bool sameExtension(std::string_view ruleParam, std::string_view extension) {
  return latinUpper(ruleParam) == latinUpper(extension);
}

std::optional<uint32_t> ruleSeconds(std::string_view eventParam) {
  const auto value = decimalNumber(eventParam);
  if (!value || *value < 0 || *value > UINT32_MAX) return std::nullopt;
  return static_cast<uint32_t>(*value);
}

}  // namespace ov::monitor
