#include "platform/sim/scenario_fields.h"

#include <stdexcept>

namespace ov::sim {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isNameStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool isNameChar(char c) { return isNameStart(c) || (c >= '0' && c <= '9'); }

class FieldReader {
 public:
  explicit FieldReader(std::string_view line) : line_(line) {}

  std::vector<ScenarioField> readAll() {
    std::vector<ScenarioField> fields;
    for (skipBlanks(); pos_ < line_.size(); skipBlanks())
      fields.push_back(readField());
    return fields;
  }

 private:
  void skipBlanks() {
    while (pos_ < line_.size() && isBlank(line_[pos_])) ++pos_;
  }

  ScenarioField readField() {
    ScenarioField field;
    size_t nameEnd = pos_;
    if (nameEnd < line_.size() && isNameStart(line_[nameEnd]))
      while (nameEnd < line_.size() && isNameChar(line_[nameEnd])) ++nameEnd;
    if (nameEnd > pos_ && nameEnd < line_.size() && line_[nameEnd] == '=') {
      field.option = std::string(line_.substr(pos_, nameEnd - pos_));
      pos_ = nameEnd + 1;
    }
    field.text = readValue();
    return field;
  }

  std::string readValue() {
    if (pos_ < line_.size() && line_[pos_] == '"') return readQuoted();
    const size_t start = pos_;
    while (pos_ < line_.size() && !isBlank(line_[pos_])) {
      if (line_[pos_] == '"')
        throw std::invalid_argument("quote inside the field '" +
                                    std::string(line_.substr(start)) + "'");
      ++pos_;
    }
    return std::string(line_.substr(start, pos_ - start));
  }

  std::string readQuoted() {
    std::string text;
    for (++pos_;; ++pos_) {
      if (pos_ >= line_.size())
        throw std::invalid_argument("unterminated quote");
      if (line_[pos_] != '"') {
        text += line_[pos_];
        continue;
      }
      if (pos_ + 1 < line_.size() && line_[pos_ + 1] == '"') {
        text += '"';
        ++pos_;
        continue;
      }
      ++pos_;
      break;
    }
    if (pos_ < line_.size() && !isBlank(line_[pos_]))
      throw std::invalid_argument("text after a closing quote");
    return text;
  }

  std::string_view line_;
  size_t pos_ = 0;
};

}  // namespace

std::string ScenarioField::plainText() const {
  return option ? *option + "=" + text : text;
}

std::vector<ScenarioField> splitScenarioFields(std::string_view line) {
  return FieldReader(line).readAll();
}

}  // namespace ov::sim
