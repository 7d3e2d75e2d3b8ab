#include "app/ini_file.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <utility>
#include <vector>

#include "platform/text/text_file.h"
#include "platform/text/upper_case.h"
#include "platform/text/utf8.h"

namespace ov {
namespace {

std::string_view trim(std::string_view text) {
  constexpr std::string_view kBlanks = " \t";
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
  return utf8Upper(a) == utf8Upper(b);
}

// One line as the lookup sees it; comments and lines without "=" are
// kOther and pass through a rewrite untouched.
struct IniLine {
  enum class Kind { kSection, kKey, kOther };
  Kind kind = Kind::kOther;
  std::string_view name;
  std::string_view value;
};

IniLine classify(std::string_view line) {
  const std::string_view text = trim(line);
  if (text.starts_with('[')) {
    const auto close = text.find(']');
    if (close != std::string_view::npos) {
      return {IniLine::Kind::kSection, trim(text.substr(1, close - 1)), {}};
    }
  }
  const auto equals = text.find('=');
  if (text.starts_with(';') || equals == std::string_view::npos ||
      equals == 0) {
    return {};
  }
  return {IniLine::Kind::kKey, trim(text.substr(0, equals)),
          trim(text.substr(equals + 1))};
}

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    lines.emplace_back(text.substr(0, end));
    text = end == std::string_view::npos ? "" : text.substr(end + 1);
  }
  return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  return text;
}

// Where a key stands: the line of its section's header, its own line, and
// the line a new key of that section goes after. The first section and the
// first key of a name win.
struct KeyPlace {
  std::optional<std::size_t> section;
  std::optional<std::size_t> key;
  std::size_t lastKeyLine = 0;
};

KeyPlace locate(const std::vector<std::string>& lines, std::string_view section,
                std::string_view key) {
  KeyPlace place;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const IniLine line = classify(lines[i]);
    if (line.kind == IniLine::Kind::kSection) {
      if (place.section) break;
      if (sameName(line.name, section)) place.section = place.lastKeyLine = i;
    } else if (place.section && line.kind == IniLine::Kind::kKey) {
      if (sameName(line.name, key)) {
        place.key = i;
        break;
      }
      place.lastKeyLine = i;
    }
  }
  return place;
}

std::optional<std::string> findValue(std::string_view section,
                                     std::string_view key,
                                     std::string_view path) {
  const std::optional<std::string> text = readTextFile(path);
  if (!text) return std::nullopt;
  const std::vector<std::string> lines = splitLines(*text);
  const KeyPlace place = locate(lines, section, key);
  if (!place.key) return std::nullopt;
  return std::string(classify(lines[*place.key]).value);
}

// The digits at the start; a sign is no digit, so "-1" reads as 0.
// Saturates instead of overflowing on absurdly long digit runs.
int leadingNumber(std::string_view text) {
  long long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') break;
    value = std::min(value * 10 + (c - '0'), static_cast<long long>(INT_MAX));
  }
  return static_cast<int>(value);
}

std::string keyLine(std::string_view key, std::string_view value) {
  return std::string(key) + '=' + std::string(value);
}

}  // namespace

std::string GetPrivateProfileString(std::string_view section,
                                    std::string_view key,
                                    std::string_view defaultValue,
                                    std::size_t capacity,
                                    std::string_view path) {
  const std::optional<std::string> value = findValue(section, key, path);
  return utf8Cut(value ? *value : defaultValue,
                 capacity == 0 ? 0 : capacity - 1);
}

int GetPrivateProfileInt(std::string_view section, std::string_view key,
                         int defaultValue, std::string_view path) {
  const std::optional<std::string> value = findValue(section, key, path);
  return value ? leadingNumber(*value) : defaultValue;
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, std::string_view path) {
  const std::string_view oneLine = value.substr(0, value.find_first_of("\r\n"));
  std::vector<std::string> lines =
      splitLines(readTextFile(path).value_or(std::string()));
  const KeyPlace place = locate(lines, section, key);
  if (place.key) {
    std::string& line = lines[*place.key];
    line = keyLine(classify(line).name, oneLine);
  } else if (place.section) {
    lines.insert(
        lines.begin() + static_cast<std::ptrdiff_t>(place.lastKeyLine) + 1,
        keyLine(key, oneLine));
  } else {
    // Appended piece by piece: GCC 12 warns falsely on "[" + string.
    std::string header = "[";
    header += section;
    header += ']';
    lines.push_back(std::move(header));
    lines.push_back(keyLine(key, oneLine));
  }
  return writeTextFile(path, joinLines(lines));
}

}  // namespace ov
