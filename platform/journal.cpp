#include "platform/journal.h"

#include <cstdio>

#include "platform/json.h"

namespace ov {

Journal::Journal(std::function<uint64_t()> elapsedMs)
    : elapsedMs_(std::move(elapsedMs)) {}

bool Journal::open(const std::string& path) {
  out_.open(path, std::ios::binary | std::ios::trunc);
  return out_.is_open();
}

namespace {

std::string argText(const JournalArg& arg) {
  struct Visitor {
    std::string operator()(std::nullptr_t) const { return "null"; }
    std::string operator()(const std::string& s) const { return jsonString(s); }
    std::string operator()(long long v) const { return std::to_string(v); }
    std::string operator()(bool v) const { return v ? "true" : "false"; }
  };
  return std::visit(Visitor{}, arg);
}

}  // namespace

void Journal::write(std::string_view call,
                    const std::vector<JournalArg>& args) {
  const uint64_t ms = elapsedMs_();
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%llu.%03llu",
                static_cast<unsigned long long>(ms / 1000),
                static_cast<unsigned long long>(ms % 1000));
  std::string line = "{\"t\": ";
  line += stamp;
  line += ", \"call\": " + jsonString(call) + ", \"args\": [";
  for (size_t i = 0; i < args.size(); ++i) {
    if (i) line += ", ";
    line += argText(args[i]);
  }
  line += "]}";
  // A run's journal goes to its file only: a long run must not keep it.
  if (out_.is_open()) {
    out_ << line << '\n';
    out_.flush();
  } else {
    lines_.push_back(std::move(line));
  }
}

}  // namespace ov
