#include "platform/samba/json_value.h"

#include <charconv>

#include "platform/text/utf8.h"

namespace ov::samba {

namespace {

constexpr int kMaxDepth = 64;

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  std::optional<JsonValue> document() {
    JsonValue value;
    if (!read(value, 0)) return std::nullopt;
    skipSpace();
    if (at_ != text_.size()) return std::nullopt;
    return value;
  }

 private:
  bool read(JsonValue& value, int depth) {
    if (depth > kMaxDepth) return false;
    skipSpace();
    if (at_ >= text_.size()) return false;
    switch (text_[at_]) {
      case '{':
        value.kind = JsonValue::Kind::Object;
        return readObject(value, depth);
      case '[':
        value.kind = JsonValue::Kind::Array;
        return readArray(value, depth);
      case '"':
        value.kind = JsonValue::Kind::String;
        return readString(value.text);
      case 't':
        value.kind = JsonValue::Kind::Bool;
        return literal("true", value.text);
      case 'f':
        value.kind = JsonValue::Kind::Bool;
        return literal("false", value.text);
      case 'n':
        value.kind = JsonValue::Kind::Null;
        return literal("null", value.text);
      default:
        value.kind = JsonValue::Kind::Number;
        return readNumber(value.text);
    }
  }

  bool readObject(JsonValue& value, int depth) {
    ++at_;
    skipSpace();
    if (take('}')) return true;
    do {
      skipSpace();
      std::string key;
      if (!readString(key)) return false;
      skipSpace();
      if (!take(':')) return false;
      JsonValue member;
      if (!read(member, depth + 1)) return false;
      value.members.push_back({std::move(key), std::move(member)});
      skipSpace();
    } while (take(','));
    return take('}');
  }

  bool readArray(JsonValue& value, int depth) {
    ++at_;
    skipSpace();
    if (take(']')) return true;
    do {
      JsonValue item;
      if (!read(item, depth + 1)) return false;
      value.items.push_back(std::move(item));
      skipSpace();
    } while (take(','));
    return take(']');
  }

  bool readString(std::string& out) {
    if (!take('"')) return false;
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size()) return false;
      const char escaped = text_[at_++];
      switch (escaped) {
        case '"':
        case '\\':
        case '/':
          out += escaped;
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u':
          if (!readEscapedCharacter(out)) return false;
          break;
        default:
          return false;
      }
    }
    return false;
  }

  // After "\u": one code point, or a surrogate pair in two escapes.
  bool readEscapedCharacter(std::string& out) {
    uint32_t code = 0;
    if (!readHex4(code)) return false;
    if (code >= 0xD800 && code <= 0xDBFF) {
      uint32_t low = 0;
      if (!take('\\') || !take('u') || !readHex4(low) || low < 0xDC00 ||
          low > 0xDFFF)
        return false;
      code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
    } else if (code >= 0xDC00 && code <= 0xDFFF) {
      return false;
    }
    appendUtf8(out, code);
    return true;
  }

  bool readHex4(uint32_t& code) {
    if (text_.size() - at_ < 4) return false;
    const char* first = text_.data() + at_;
    const auto [end, error] = std::from_chars(first, first + 4, code, 16);
    if (error != std::errc() || end != first + 4) return false;
    at_ += 4;
    return true;
  }

  bool readNumber(std::string& out) {
    const std::size_t start = at_;
    // from_chars alone would take "inf", "nan" and a leading "+".
    const char first = text_[at_];
    if (first != '-' && (first < '0' || first > '9')) return false;
    double value = 0;
    const auto [end, error] =
        std::from_chars(text_.data() + at_, text_.data() + text_.size(), value);
    if (error != std::errc() && error != std::errc::result_out_of_range)
      return false;
    at_ = static_cast<std::size_t>(end - text_.data());
    out = text_.substr(start, at_ - start);
    return true;
  }

  bool literal(std::string_view word, std::string& out) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    out = word;
    return true;
  }

  bool take(char c) {
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }

  void skipSpace() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                  text_[at_] == '\n' || text_[at_] == '\r'))
      ++at_;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

const JsonValue* JsonValue::member(std::string_view key) const {
  for (const auto& [name, value] : members)
    if (name == key) return &value;
  return nullptr;
}

unsigned long long JsonValue::whole() const {
  unsigned long long value = 0;
  if (kind != Kind::Number) return 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

std::optional<JsonValue> parseJson(std::string_view text) {
  return Reader(text).document();
}

}  // namespace ov::samba
