#pragma once
// A JSON document read into a tree, for what smbstatus prints. Numbers and
// literals keep their text; strings are UTF-8.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ov::samba {

struct JsonMember;

struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object };
  Kind kind = Kind::Null;
  std::string text;  // a string's value, a number's or literal's text
  std::vector<JsonValue> items;
  std::vector<JsonMember> members;

  // The member named KEY of an object; null when there is none.
  const JsonValue* member(std::string_view key) const;
  // A number's value when it is a whole number that fits; else 0.
  unsigned long long whole() const;
};

struct JsonMember {
  std::string name;
  JsonValue value;
};

// The document, or nothing when it is not well-formed JSON or nests deeper
// than any smbstatus output does.
std::optional<JsonValue> parseJson(std::string_view text);

}  // namespace ov::samba
