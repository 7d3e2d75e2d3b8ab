#include "platform/sim/scenario_shapes.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string_view>

#include "platform/key_names.h"
#include "platform/sim/sim_text.h"
#include "platform/sim/stat_fields.h"
#include "platform/text/utf8.h"

namespace ov::sim {

namespace {

constexpr int64_t kUInt32Max = 0xFFFFFFFFll;

enum class ValueKind { Text, Server, Integer, Seconds, CountOrAlways };

struct OptionRule {
  std::string_view name;
  ValueKind kind = ValueKind::Text;
  int64_t min = 0;
  int64_t max = kUInt32Max;
};

[[noreturn]] void fail(const std::string& reason) {
  throw std::invalid_argument(reason);
}

std::string quoted(std::string_view text) {
  // Appended piece by piece: GCC 12 warns falsely on "'" + string.
  std::string out = "'";
  out += text;
  out += '\'';
  return out;
}

void checkInteger(std::string_view what, const std::string& text, int64_t min,
                  int64_t max) {
  const auto value = parseInteger(text);
  if (!value || *value < min || *value > max)
    fail("bad " + std::string(what) + " " + quoted(text) + " (a number from " +
         std::to_string(min) + " to " + std::to_string(max) + ")");
}

void checkServerName(std::string_view what, const std::string& text) {
  if (text.find('\\') != std::string::npos)
    fail(std::string(what) + " " + quoted(text) +
         " is written without backslashes");
}

// Checks the positional fields of one verb (or ui sub-verb).
class ArgCheck {
 public:
  ArgCheck(std::string_view what, std::span<const std::string> args,
           std::initializer_list<std::string_view> names, size_t required)
      : what_(what), args_(args), names_(names) {
    if (args_.size() < required)
      fail(what_ + ": missing " + std::string(names_[args_.size()]));
    if (args_.size() > names_.size())
      fail(what_ + ": unexpected argument " + quoted(args_[names_.size()]));
  }

  bool has(size_t i) const { return i < args_.size(); }
  const std::string& at(size_t i) const { return args_[i]; }

  void word(size_t i, std::initializer_list<std::string_view> words) const {
    if (!has(i) ||
        std::find(words.begin(), words.end(), args_[i]) != words.end())
      return;
    std::string list;
    for (std::string_view w : words)
      list += (list.empty() ? "" : " or ") + quoted(w);
    fail(what_ + ": " + std::string(names_[i]) + " must be " + list + ", not " +
         quoted(args_[i]));
  }

  void integer(size_t i, int64_t min, int64_t max) const {
    if (has(i)) checkInteger(names_[i], args_[i], min, max);
  }

  void address(size_t i) const {
    if (has(i) && !parseDottedAddress(args_[i]))
      fail(quoted(args_[i]) + " is not a dotted IPv4 address");
  }

  void server(size_t i) const {
    if (has(i)) checkServerName(names_[i], args_[i]);
  }

 private:
  std::string what_;
  std::span<const std::string> args_;
  std::vector<std::string_view> names_;
};

void checkOptions(const ScenarioEvent& e, std::span<const OptionRule> rules) {
  for (const auto& [name, value] : e.options) {
    const auto rule = std::find_if(
        rules.begin(), rules.end(),
        [&name = name](const OptionRule& r) { return r.name == name; });
    if (rule == rules.end())
      fail("unknown option " + quoted(name) + " for " + e.verb);
    switch (rule->kind) {
      case ValueKind::Text:
        break;
      case ValueKind::Server:
        checkServerName(name, value);
        break;
      case ValueKind::Integer:
        checkInteger(name, value, rule->min, rule->max);
        break;
      case ValueKind::Seconds:
        if (!parseSecondsAsMs(value))
          fail("bad " + std::string(name) + " " + quoted(value) + " (seconds)");
        break;
      case ValueKind::CountOrAlways:
        if (value != "always") checkInteger(name, value, 1, kUInt32Max);
        break;
    }
  }
}

void checkOptions(const ScenarioEvent& e,
                  std::initializer_list<OptionRule> rules) {
  checkOptions(e, std::span<const OptionRule>(rules.begin(), rules.size()));
}

void requireOption(const ScenarioEvent& e, std::string_view name) {
  if (!e.option(name)) fail(e.verb + ": missing " + std::string(name) + "=");
}

ArgCheck args(const ScenarioEvent& e,
              std::initializer_list<std::string_view> names, size_t required) {
  return ArgCheck(e.verb, e.args, names, required);
}

// --- the world ---

void checkHost(const ScenarioEvent& e) {
  const auto a = args(e, {"NAME", "ADDR", "noreverse"}, 2);
  a.address(1);
  a.word(2, {"noreverse"});
}

void checkConnect(const ScenarioEvent& e) {
  const auto a = args(e, {"CLIENT", "USER", "FLAG", "FLAG"}, 2);
  a.server(0);
  a.word(2, {"busy", "nouser"});
  a.word(3, {"busy", "nouser"});
  if (a.has(3) && a.at(2) == a.at(3))
    fail("connect: " + quoted(a.at(2)) + " given twice");
  const bool absentUser = std::count(e.args.begin(), e.args.end(), "nouser");
  if (absentUser && !a.at(1).empty())
    fail("connect: nouser goes with the USER \"\"");
  checkOptions(e, {{"cltype"},
                   {"transport"},
                   {"reconnect", ValueKind::Seconds},
                   {"on", ValueKind::Server}});
}

void checkOpen(const ScenarioEvent& e) {
  args(e, {"ID", "CLIENT", "USER", "PATH"}, 4).integer(0, 0, kUInt32Max);
  checkOptions(e,
               {{"perm", ValueKind::Integer}, {"locks", ValueKind::Integer}});
}

void checkShare(const ScenarioEvent& e) {
  args(e, {"NAME", "PATH"}, 2);
  checkOptions(e, {{"type", ValueKind::Integer},
                   {"max", ValueKind::Integer, -1},
                   {"remark"},
                   {"on", ValueKind::Server}});
}

void checkServer(const ScenarioEvent& e) {
  args(e, {"NAME"}, 1).server(0);
  checkOptions(e, {{"platform", ValueKind::Integer},
                   {"major", ValueKind::Integer},
                   {"minor", ValueKind::Integer},
                   {"type", ValueKind::Integer},
                   {"comment"}});
}

void checkIface(const ScenarioEvent& e) {
  args(e, {"DESCR"}, 1);
  checkOptions(e, {{"phys", ValueKind::Integer},
                   {"in", ValueKind::Integer},
                   {"out", ValueKind::Integer},
                   {"rate_in", ValueKind::Integer},
                   {"rate_out", ValueKind::Integer}});
}

void checkCounters(const ScenarioEvent& e) {
  args(e, {"DESCR"}, 1);
  checkOptions(e, {{"in", ValueKind::Integer}, {"out", ValueKind::Integer}});
  requireOption(e, "in");
  requireOption(e, "out");
}

void checkPing(const ScenarioEvent& e) {
  const auto a = args(e, {"ADDR", "ANSWER"}, 1);
  a.address(0);
  a.word(1, {"timeout", "machine"});
  checkOptions(e, {{"rtt", ValueKind::Integer},
                   {"ttl", ValueKind::Integer, 0, 255},
                   {"status", ValueKind::Integer}});
  if (a.has(1) && !e.options.empty())
    fail("ping: '" + a.at(1) + "' takes no options");
  if (e.option("status") && (e.option("rtt") || e.option("ttl")))
    fail("ping: status= does not go with rtt= or ttl=");
}

void checkService(const ScenarioEvent& e) {
  const auto a = args(e, {"STATE"}, 1);
  if (a.at(0) != "deny" && a.at(0) != "pending")
    checkInteger("STATE", a.at(0), 1, 7);
}

void checkPlatform(const ScenarioEvent& e) {
  args(e, {}, 0);
  checkOptions(e, {{"balloons", ValueKind::Integer, 0, 1}});
  if (e.options.empty()) fail("platform: missing balloons=");
}

void checkWinsock(const ScenarioEvent& e) {
  const auto a = args(e, {"VERSION"}, 1);
  const std::string& version = a.at(0);
  const std::size_t dot = version.find('.');
  if (dot == std::string::npos)
    fail("winsock: VERSION must be MAJOR.MINOR, not " + quoted(version));
  checkInteger("MAJOR", version.substr(0, dot), 0, 255);
  checkInteger("MINOR", version.substr(dot + 1), 0, 255);
}

void checkStats(const ScenarioEvent& e) {
  const auto a = args(e, {"SERVICE"}, 1);
  a.word(0, {"server", "workstation"});
  const auto fields =
      a.at(0) == "server" ? serverStatFields() : workstationStatFields();
  std::vector<OptionRule> rules;
  for (std::string_view field : fields)
    rules.push_back({field, ValueKind::Integer, INT64_MIN, INT64_MAX});
  checkOptions(e, rules);
  if (e.options.empty()) fail("stats: missing FIELD=N");
}

void checkFail(const ScenarioEvent& e) {
  const auto a = args(e, {"CALL", "STATUS"}, 2);
  a.integer(1, 0, kUInt32Max);
  checkOptions(
      e, {{"count", ValueKind::CountOrAlways}, {"skip", ValueKind::Integer}});
}

void checkHotkey(const ScenarioEvent& e) {
  const auto a = args(e, {"taken", "MOD", "VK"}, 3);
  a.word(0, {"taken"});
  a.integer(1, 0, 0xFFFF);
  a.integer(2, 0, 0xFF);
}

// --- the user ---

// "ui key NAME KEY" types into a control; "ui key KEY" presses a key or
// combination in the window.
void checkUiKey(std::span<const std::string> rest) {
  if (rest.size() == 1) {
    if (!keyCombo(rest[0]))
      fail("ui key: " + quoted(rest[0]) +
           " is not a key (F1, K, Ctrl+S, Alt+F11 ...)");
    return;
  }
  const ArgCheck a("ui key", rest, {"NAME", "KEY"}, 2);
  if (a.at(1) != "enter" && utf8Length(a.at(1)) != 1)
    fail("ui key: KEY must be 'enter' or one character, not " +
         quoted(a.at(1)));
}

void checkUiCheck(std::span<const std::string> rest) {
  if (rest.size() == 3) {
    const ArgCheck a("ui check", rest, {"NAME", "ROW", "STATE"}, 3);
    a.integer(1, 0, INT32_MAX);
    a.word(2, {"0", "1"});
    return;
  }
  ArgCheck("ui check", rest, {"NAME", "STATE"}, 2).word(1, {"0", "1"});
}

void checkUiHotKeyField(std::span<const std::string> rest) {
  const ArgCheck a("ui hotkey-field", rest, {"NAME", "MODS", "KEY"}, 3);
  if (!keyModifiers(a.at(1)))
    fail(
        "ui hotkey-field: MODS must be 'none' or Ctrl, Alt, Shift joined "
        "by '+', not " +
        quoted(a.at(1)));
  if (!keyCode(a.at(2)))
    fail("ui hotkey-field: " + quoted(a.at(2)) +
         " is not a key (a letter, a digit, F1 to F24)");
}

void checkUiDialog(std::span<const std::string> rest) {
  if (!rest.empty() && rest[0] == "close") {
    ArgCheck("ui dialog close", rest.subspan(1), {}, 0);
  } else if (!rest.empty() && rest[0] == "click") {
    ArgCheck("ui dialog click", rest.subspan(1), {"NAME"}, 1);
  } else {
    const ArgCheck a("ui dialog", rest, {"ROLE", "TEXT"}, 2);
    a.word(0, {"edit1", "edit2", "path", "spin", "combo", "memo", "check"});
  }
}

void checkUiHover(std::span<const std::string> rest) {
  if (rest.size() == 2 && rest[1] == "leave") return;
  const ArgCheck a("ui hover", rest, {"NAME", "X", "Y"}, 3);
  a.integer(1, INT32_MIN, INT32_MAX);
  a.integer(2, INT32_MIN, INT32_MAX);
}

void checkUi(const ScenarioEvent& e) {
  if (e.args.empty()) fail("ui: missing the action (click, text, key ...)");
  const std::string& action = e.args[0];
  const std::span<const std::string> rest =
      std::span<const std::string>(e.args).subspan(1);
  const std::string what = "ui " + action;
  if (action == "click") {
    ArgCheck(what, rest, {"NAME"}, 1);
  } else if (action == "popup") {
    const ArgCheck popup(what, rest, {"NAME", "ROW"}, 1);
    if (popup.has(1)) popup.integer(1, 0, INT32_MAX);
  } else if (action == "check") {
    checkUiCheck(rest);
  } else if (action == "text") {
    ArgCheck(what, rest, {"NAME", "TEXT"}, 2);
  } else if (action == "key") {
    checkUiKey(rest);
  } else if (action == "dblclick") {
    const ArgCheck dblclick(what, rest, {"NAME", "ROW"}, 1);
    dblclick.integer(1, 0, INT32_MAX);
  } else if (action == "resize") {
    const ArgCheck size(what, rest, {"W", "H"}, 2);
    size.integer(0, 0, INT32_MAX);
    size.integer(1, 0, INT32_MAX);
  } else if (action == "minimize" || action == "restore") {
    ArgCheck(what, rest, {}, 0);
  } else if (action == "hotkey-field") {
    checkUiHotKeyField(rest);
  } else if (action == "spin") {
    ArgCheck(what, rest, {"NAME", "VALUE"}, 2).integer(1, INT32_MIN, INT32_MAX);
  } else if (action == "combo" || action == "radio" || action == "select") {
    ArgCheck(what, rest, {"NAME", action == "select" ? "ROW" : "INDEX"}, 2)
        .integer(1, 0, INT32_MAX);
  } else if (action == "page") {
    ArgCheck(what, rest, {"INDEX"}, 1).integer(0, 0, INT32_MAX);
  } else if (action == "hotkey") {
    ArgCheck(what, rest, {"ID"}, 1).integer(0, INT32_MIN, INT32_MAX);
  } else if (action == "tray") {
    if (!rest.empty() && rest[0] == "menu")
      ArgCheck("ui tray menu", rest.subspan(1), {"NAME"}, 1);
    else
      ArgCheck(what, rest, {"dblclick"}, 1).word(0, {"dblclick", "menu"});
  } else if (action == "close") {
    ArgCheck(what, rest, {}, 0);
  } else if (action == "answer") {
    ArgCheck(what, rest, {"TEXT"}, 1);
  } else if (action == "dialog") {
    checkUiDialog(rest);
  } else if (action == "hover") {
    checkUiHover(rest);
  } else {
    fail("unknown ui action " + quoted(action));
  }
}

struct VerbShape {
  std::string_view verb;
  bool takesOptions;
  std::function<void(const ScenarioEvent&)> check;
};

const std::vector<VerbShape>& verbShapes() {
  static const std::vector<VerbShape> shapes = {
      {"localhost", false, [](auto& e) { args(e, {"NAME"}, 1).server(0); }},
      {"host", false, checkHost},
      {"connect", true, checkConnect},
      {"disconnect", false,
       [](auto& e) {
         args(e, {"CLIENT", "USER"}, 2);
       }},
      {"touch", false,
       [](auto& e) {
         args(e, {"CLIENT", "USER"}, 2);
       }},
      {"open", true, checkOpen},
      {"close", false,
       [](auto& e) { args(e, {"ID"}, 1).integer(0, 0, kUInt32Max); }},
      {"dir", false, [](auto& e) { args(e, {"PATH"}, 1); }},
      {"share", true, checkShare},
      {"unshare", true,
       [](auto& e) {
         args(e, {"NAME"}, 1);
         checkOptions(e, {{"on", ValueKind::Server}});
       }},
      {"server", true, checkServer},
      {"iface", true, checkIface},
      {"counters", true, checkCounters},
      {"ping", true, checkPing},
      {"service", false, checkService},
      {"winsock", false, checkWinsock},
      {"stats", true, checkStats},
      {"batch", false,
       [](auto& e) { args(e, {"N"}, 1).integer(0, 1, kUInt32Max); }},
      {"fail", true, checkFail},
      {"mailslot", false,
       [](auto& e) {
         args(e, {"NAME", "MODE"}, 2).word(1, {"accept", "refuse"});
       }},
      {"sound", false,
       [](auto& e) {
         args(e, {"STATE"}, 1).word(0, {"on", "off"});
       }},
      {"autorun", false,
       [](auto& e) { args(e, {"STATE"}, 1).word(0, {"present"}); }},
      {"hotkey", false, checkHotkey},
      {"platform", true, checkPlatform},
      {"tray", false,
       [](auto& e) { args(e, {"EVENT"}, 1).word(0, {"restart"}); }},
      {"session", false,
       [](auto& e) { args(e, {"EVENT"}, 1).word(0, {"end"}); }},
      {"ui", false, checkUi},
      {"dump", false, [](auto& e) { args(e, {"FILE"}, 1); }},
      {"exit", false, [](auto& e) { args(e, {}, 0); }},
      {"quit", false, [](auto& e) { args(e, {}, 0); }},
  };
  return shapes;
}

}  // namespace

void shapeScenarioEvent(ScenarioEvent& event,
                        const std::vector<ScenarioField>& fields) {
  const auto& shapes = verbShapes();
  const auto shape =
      std::find_if(shapes.begin(), shapes.end(),
                   [&](const VerbShape& s) { return s.verb == event.verb; });
  if (shape == shapes.end()) fail("unknown verb " + quoted(event.verb));
  for (const ScenarioField& field : fields) {
    if (!shape->takesOptions || !field.option) {
      event.args.push_back(field.plainText());
      continue;
    }
    if (event.option(*field.option))
      fail("option " + quoted(*field.option) + " given twice");
    event.options.emplace_back(*field.option, field.text);
  }
  shape->check(event);
}

}  // namespace ov::sim
