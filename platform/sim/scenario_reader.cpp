#include <fstream>
#include <sstream>

#include "platform/sim/scenario.h"
#include "platform/sim/scenario_fields.h"
#include "platform/sim/scenario_shapes.h"
#include "platform/sim/sim_text.h"

namespace ov::sim {

std::optional<std::string> ScenarioEvent::option(std::string_view name) const {
  for (const auto& [key, value] : options)
    if (key == name) return value;
  return std::nullopt;
}

bool ScenarioEvent::isWorldVerb() const {
  // The shell's restart and the session's end reach the program, not the
  // LAN: they are played where the user's events are.
  return verb != "ui" && verb != "dump" && verb != "exit" && verb != "quit" &&
         verb != "tray" && verb != "session";
}

namespace {

std::string locationOf(const std::string& fileName, int line) {
  return line > 0 ? fileName + ":" + std::to_string(line) : fileName;
}

std::string secondsText(uint64_t ms) {
  std::string text = std::to_string(ms / 1000);
  if (ms % 1000 == 0) return text;
  std::string fraction = std::to_string(1000 + ms % 1000).substr(1);
  fraction.erase(fraction.find_last_not_of('0') + 1);
  return text + "." + fraction;
}

bool isBlankOrComment(std::string_view line) {
  const size_t first = line.find_first_not_of(" \t");
  return first == std::string_view::npos || line[first] == '#';
}

class LineReader {
 public:
  explicit LineReader(const std::string& fileName) : fileName_(fileName) {}

  void read(std::string_view line, int number, Scenario& scenario) {
    try {
      if (!isUtf8(line)) throw std::invalid_argument("not UTF-8 text");
      if (isBlankOrComment(line)) return;
      const std::vector<ScenarioField> fields = splitScenarioFields(line);
      ScenarioEvent event;
      event.line = number;
      event.timeMs = timeOf(fields[0].plainText());
      if (fields.size() < 2) throw std::invalid_argument("missing verb");
      event.verb = fields[1].plainText();
      shapeScenarioEvent(event, {fields.begin() + 2, fields.end()});
      lastMs_ = event.timeMs;
      scenario.events.push_back(std::move(event));
    } catch (const std::invalid_argument& e) {
      throw ScenarioError(fileName_, number, e.what());
    }
  }

 private:
  uint64_t timeOf(const std::string& text) const {
    const bool relative = !text.empty() && text[0] == '+';
    const auto ms = parseSecondsAsMs(relative ? text.substr(1) : text);
    if (!ms)
      throw std::invalid_argument("bad time '" + text +
                                  "' (seconds, or +seconds)");
    const uint64_t at = relative ? lastMs_ + *ms : *ms;
    if (at < lastMs_)
      throw std::invalid_argument("time " + text +
                                  " goes back before the previous line's " +
                                  secondsText(lastMs_));
    return at;
  }

  const std::string& fileName_;
  uint64_t lastMs_ = 0;
};

}  // namespace

ScenarioError::ScenarioError(const std::string& fileName, int line,
                             const std::string& reason)
    : std::runtime_error(locationOf(fileName, line) + ": " + reason),
      line_(line) {}

Scenario parseScenario(std::string_view text, const std::string& fileName) {
  Scenario scenario;
  scenario.fileName = fileName;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  LineReader reader(fileName);
  int number = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    reader.read(line, ++number, scenario);
  }
  return scenario;
}

Scenario readScenarioFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ScenarioError(path, 0, "cannot open the file");
  std::ostringstream text;
  text << in.rdbuf();
  return parseScenario(text.str(), path);
}

}  // namespace ov::sim
