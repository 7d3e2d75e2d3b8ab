#include "connrep/connrep_arguments.h"

#include <string_view>
#include <vector>

namespace connrep {

ConnrepArguments ParseConnrepArguments(int argc, const char* const* argv) {
  ConnrepArguments parsed;
  std::vector<std::string> logs;
  bool outputNext = false;
  for (int i = 1; i < argc; ++i) {
    std::string_view argument = argv[i];
    if (outputNext) {
      parsed.output = std::string(argument);
      outputNext = false;
      continue;
    }
    if (argument == "--help" || argument == "-h" || argument == "/?") {
      parsed.help = true;
      continue;
    }
    const std::size_t sign = argument.find('>');
    if (sign != 0 && !argument.empty())
      logs.emplace_back(argument.substr(0, sign));
    if (sign == std::string_view::npos) continue;
    if (parsed.output) {
      parsed.error = "More than one output file.";
      return parsed;
    }
    const std::string_view name = argument.substr(sign + 1);
    if (name.empty())
      outputNext = true;
    else
      parsed.output = std::string(name);
  }
  if (outputNext)
    parsed.error = "No file name after \">\".";
  else if (logs.size() > 1)
    parsed.error = "More than one log file.";
  else if (logs.size() == 1)
    parsed.log = logs.front();
  return parsed;
}

}  // namespace connrep
