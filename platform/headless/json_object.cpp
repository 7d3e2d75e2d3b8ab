#include "platform/headless/json_object.h"

#include "platform/json.h"

namespace ov::headless {

namespace {

std::string textList(const std::vector<std::string>& texts) {
  std::string out = "[";
  for (size_t i = 0; i < texts.size(); ++i) {
    if (i) out += ", ";
    out += jsonString(texts[i]);
  }
  return out + "]";
}

}  // namespace

void JsonObject::key(std::string_view key) {
  if (!body_.empty()) body_ += ", ";
  body_ += jsonString(key);
  body_ += ": ";
}

void JsonObject::add(std::string_view k, std::string_view text) {
  key(k);
  body_ += jsonString(text);
}

void JsonObject::add(std::string_view k, const char* text) {
  add(k, std::string_view(text));
}

void JsonObject::add(std::string_view k, int number) {
  key(k);
  body_ += std::to_string(number);
}

void JsonObject::add(std::string_view k, bool flag) {
  key(k);
  body_ += flag ? "true" : "false";
}

void JsonObject::addNull(std::string_view k) {
  key(k);
  body_ += "null";
}

void JsonObject::add(std::string_view k,
                     const std::vector<std::string>& texts) {
  key(k);
  body_ += textList(texts);
}

void JsonObject::add(std::string_view k, const std::vector<int>& numbers) {
  key(k);
  body_ += "[";
  for (size_t i = 0; i < numbers.size(); ++i) {
    if (i) body_ += ", ";
    body_ += std::to_string(numbers[i]);
  }
  body_ += "]";
}

void JsonObject::add(std::string_view k,
                     const std::vector<std::vector<std::string>>& rows) {
  key(k);
  body_ += "[";
  for (size_t i = 0; i < rows.size(); ++i) {
    if (i) body_ += ", ";
    body_ += textList(rows[i]);
  }
  body_ += "]";
}

void JsonObject::add(std::string_view k, const std::vector<bool>& flags) {
  key(k);
  body_ += "[";
  for (size_t i = 0; i < flags.size(); ++i) {
    if (i) body_ += ", ";
    body_ += flags[i] ? "true" : "false";
  }
  body_ += "]";
}

void JsonObject::addRaw(std::string_view k, std::string_view json) {
  key(k);
  body_ += json;
}

}  // namespace ov::headless
