#pragma once
// Which rules an event picks: the rule's address, its event and the event's
// parameter.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "monitor/rule.h"

namespace ov::monitor {

// The rule's address is the given one exactly, or "*". A rule whose event
// or action is not one the editor offers applies to nothing.
bool ruleAppliesTo(const Rule& rule, std::string_view address);

// The text after the last "." of the name after the last backslash; the
// whole name when it has no ".".
std::string_view fileExtension(std::string_view path);

// Extensions compare with a to z raised.
bool sameExtension(std::string_view ruleParam, std::string_view extension);

// The seconds a connection-time rule waits for; empty when its parameter is
// not a decimal number, so that it never matches.
std::optional<uint32_t> ruleSeconds(std::string_view eventParam);

}  // namespace ov::monitor
