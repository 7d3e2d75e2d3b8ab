#include "monitor/rules.h"

#include "monitor/rules_file.h"

namespace ov::monitor {

namespace {

// A loaded rule shows its event parameter after the event's text; a rule
// added in this run shows the text alone.
ui::ListItem ruleRow(const Rule& rule, bool withEventParam) {
  std::string event(eventText(rule.event));
  if (withEventParam) event += " " + rule.eventParam;
  return {rule.address,
          {event, rule.actionParam, std::string(actionText(rule.action)),
           std::string(useText(rule.use))}};
}

}  // namespace

RuleTable::RuleTable(ui::ListView& lv_rules, const RuleActionPorts& ports)
    : list_(lv_rules), ports_(ports) {}

void RuleTable::load(std::string_view path) {
  rules_ = readRulesFile(path, kCapacity);
  list_.clear();
  for (const Rule& rule : rules_) list_.addItem(ruleRow(rule, true));
}

bool RuleTable::save(std::string_view path) const {
  return writeRulesFile(path, rules_);
}

bool RuleTable::add(const Rule& rule) {
  if (rules_.size() >= kCapacity) return false;
  rules_.push_back(cutToWidths(rule));
  list_.addItem(ruleRow(rules_.back(), false));
  return true;
}

void RuleTable::remove(std::size_t position) {
  if (position >= rules_.size()) return;
  rules_.erase(rules_.begin() + static_cast<std::ptrdiff_t>(position));
  list_.deleteItem(static_cast<int>(position));
}

}  // namespace ov::monitor
