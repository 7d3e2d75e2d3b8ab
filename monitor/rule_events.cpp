// The rule events and the actions they set off.
#include <string>

#include "monitor/rule_matching.h"
#include "monitor/rules.h"
#include "platform/text/utf8.h"

namespace ov::monitor {

namespace {

// The client as NetSessionDel takes it: two backslashes and the address.
constexpr std::size_t kClientChars = 64;

std::string clientForm(const std::string& address) {
  const std::string client =
      !address.empty() && address.front() == '\\' ? address : "\\\\" + address;
  return utf8Cut(client, kClientChars);
}

constexpr uint32_t kWarningStyle =
    ui::MB_OK | ui::MB_TOPMOST | ui::MB_SETFOREGROUND;

}  // namespace

void RuleTable::connectEvent(std::string_view address) {
  raise(address,
        [](const Rule& rule) { return rule.event == kEventConnected; });
}

void RuleTable::timeEvent(std::string_view address, uint32_t seconds) {
  raise(address, [seconds](const Rule& rule) {
    return rule.event == kEventConnectionTime &&
           ruleSeconds(rule.eventParam) == seconds;
  });
}

void RuleTable::fileEvent(std::string_view address, std::string_view path) {
  const std::string_view extension = fileExtension(path);
  raise(address, [extension](const Rule& rule) {
    return rule.event == kEventFileOpened &&
           sameExtension(rule.eventParam, extension);
  });
}

template <typename Picks>
void RuleTable::raise(std::string_view address, Picks picks) {
  const std::string target(address);
  std::size_t position = 0;
  while (position < rules_.size()) {
    if (!ruleAppliesTo(rules_[position], target) || !picks(rules_[position])) {
      ++position;
      continue;
    }
    // The action works on a copy, and a once-rule is gone before it acts:
    // a warning's modal loop may run further cycles and edits meanwhile.
    const Rule rule = rules_[position];
    if (rule.use == kUseOnce)
      remove(position);  // the next rule moves into this place
    else
      ++position;
    execute(rule, target);
  }
}

void RuleTable::execute(const Rule& rule, const std::string& address) {
  if (rule.use == kUseNever) return;
  switch (rule.action) {
    case kActionDisconnect:
      // Always the local machine's server, whichever server is watched. An
      // opening not traced to a session has no client, and an empty one
      // would end every session.
      if (!address.empty())
        ports_.net.NetSessionDel("", clientForm(address), std::nullopt);
      break;
    case kActionPlaySound:
      if (ports_.sound.waveOutGetNumDevs() > 0)
        ports_.sound.PlaySound(rule.actionParam);
      break;
    case kActionWarn:
      ports_.windows.messageBox(nullptr, rule.actionParam, address,
                                kWarningStyle);
      break;
  }
}

}  // namespace ov::monitor
