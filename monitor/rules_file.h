#pragma once
// The file "rules": six lines per rule (event, action, address, action
// parameter, event parameter, use), one rule after another, nothing before
// or after.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/rule.h"

namespace ov::monitor {

// The rules of the text, at most maxRules. Lines end in "\n"; the last line
// may lack it. A record cut short by the end of the text is not counted.
std::vector<Rule> parseRulesText(std::string_view text, std::size_t maxRules);

// The text of the rules, each line ending in "\n".
std::string rulesText(const std::vector<Rule>& rules);

// No file means no rules.
std::vector<Rule> readRulesFile(std::string_view path, std::size_t maxRules);
// Returns false when the file could not be written.
bool writeRulesFile(std::string_view path, const std::vector<Rule>& rules);

}  // namespace ov::monitor
