#include "monitor/rules_file.h"

#include <optional>

#include "platform/text/text_file.h"

namespace ov::monitor {

namespace {

constexpr std::size_t kLinesPerRule = 6;

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// An event or action that is no position of the lists never matches.
uint8_t choiceFrom(std::string_view line) {
  const auto value = decimalNumber(line);
  return value && *value >= 0 && *value < kNoChoice
             ? static_cast<uint8_t>(*value)
             : kNoChoice;
}

// The use is kept as a byte: its low 8 bits. One that cannot be read never
// acts.
uint8_t useFrom(std::string_view line) {
  const auto value = decimalNumber(line);
  return value ? static_cast<uint8_t>(*value) : kUseNever;
}

}  // namespace

std::vector<Rule> parseRulesText(std::string_view text, std::size_t maxRules) {
  const std::vector<std::string_view> lines = splitLines(text);
  std::vector<Rule> rules;
  for (std::size_t first = 0;
       first + kLinesPerRule <= lines.size() && rules.size() < maxRules;
       first += kLinesPerRule) {
    Rule rule;
    rule.event = choiceFrom(lines[first]);
    rule.action = choiceFrom(lines[first + 1]);
    rule.address = lines[first + 2];
    rule.actionParam = lines[first + 3];
    rule.eventParam = lines[first + 4];
    rule.use = useFrom(lines[first + 5]);
    rules.push_back(cutToWidths(std::move(rule)));
  }
  return rules;
}

std::string rulesText(const std::vector<Rule>& rules) {
  std::string text;
  for (const Rule& rule : rules) {
    text += std::to_string(rule.event) + '\n';
    text += std::to_string(rule.action) + '\n';
    text += rule.address + '\n';
    text += rule.actionParam + '\n';
    text += rule.eventParam + '\n';
    text += std::to_string(rule.use) + '\n';
  }
  return text;
}

std::vector<Rule> readRulesFile(std::string_view path, std::size_t maxRules) {
  const std::optional<std::string> text = readTextFile(path);
  return text ? parseRulesText(*text, maxRules) : std::vector<Rule>();
}

bool writeRulesFile(std::string_view path, const std::vector<Rule>& rules) {
  return writeTextFile(path, rulesText(rules));
}

}  // namespace ov::monitor
