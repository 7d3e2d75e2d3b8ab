#pragma once
// Splits one scenario line into blank-separated fields.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ov::sim {

struct ScenarioField {
  std::string text;                   // the value, quotes removed
  std::optional<std::string> option;  // the name of a name=value field
  // The field as plain text, for verbs that take no options.
  std::string plainText() const;
};

// Throws std::invalid_argument with the reason when the line cannot be split.
std::vector<ScenarioField> splitScenarioFields(std::string_view line);

}  // namespace ov::sim
