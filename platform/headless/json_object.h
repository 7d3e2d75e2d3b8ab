#pragma once
// Builds one JSON object, field by field, for the form dump.
#include <string>
#include <string_view>
#include <vector>

namespace ov::headless {

class JsonObject {
 public:
  void add(std::string_view key, std::string_view text);
  void add(std::string_view key, const char* text);
  void add(std::string_view key, int number);
  void add(std::string_view key, bool flag);
  void addNull(std::string_view key);
  void add(std::string_view key, const std::vector<std::string>& texts);
  void add(std::string_view key, const std::vector<int>& numbers);
  void add(std::string_view key,
           const std::vector<std::vector<std::string>>& rows);
  void add(std::string_view key, const std::vector<bool>& flags);
  void addRaw(std::string_view key, std::string_view json);
  std::string text() const { return "{" + body_ + "}"; }

 private:
  void key(std::string_view key);
  std::string body_;
};

}  // namespace ov::headless
