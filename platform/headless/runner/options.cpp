#include "platform/headless/runner/options.h"

#include <cstdio>

#include "platform/headless/virtual_clock.h"

namespace ov::headless {

namespace {

std::optional<uint64_t> parseSeconds(const std::string& text) {
  char* end = nullptr;
  const double seconds = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !(seconds >= 0) || seconds > 1e9)
    return std::nullopt;
  return static_cast<uint64_t>(seconds * 1000 + 0.5);
}

std::string withSeparator(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace

std::optional<LocalDateTime> parseStartTime(const std::string& text) {
  LocalDateTime t;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &t.year, &t.month,
                  &t.day, &t.hour, &t.minute, &t.second, &tail) != 6)
    return std::nullopt;
  if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 ||
      t.minute > 59 || t.second > 59 || t.year < 1601 || t.year > 9999)
    return std::nullopt;
  // Normalises the day of the week and rejects days a month does not have.
  const LocalDateTime normal = addMilliseconds(t, 0);
  if (normal.day != t.day) return std::nullopt;
  return normal;
}

std::optional<RunnerOptions> parseRunnerOptions(
    const std::vector<std::string>& args, const std::string& defaultDir,
    std::string& error) {
  RunnerOptions options;
  options.programDir = withSeparator(defaultDir);
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (i + 1 >= args.size()) {
      error = name.rfind("--", 0) == 0 ? name + " needs a value"
                                       : "unexpected argument '" + name + "'";
      return std::nullopt;
    }
    const std::string& value = args[++i];
    if (name == "--sim") {
      options.scenario = value;
    } else if (name == "--run-for") {
      options.runForMs = parseSeconds(value);
      if (!options.runForMs) {
        error = "--run-for takes seconds, not '" + value + "'";
        return std::nullopt;
      }
    } else if (name == "--dir") {
      options.programDir = withSeparator(value);
    } else if (name == "--journal") {
      options.journal = value;
    } else if (name == "--dump") {
      options.dump = value;
    } else if (name == "--start") {
      options.start = parseStartTime(value);
      if (!options.start) {
        error = "--start takes \"YYYY-MM-DD HH:MM:SS\", not '" + value + "'";
        return std::nullopt;
      }
    } else {
      error = "unknown option '" + name + "'";
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace ov::headless
