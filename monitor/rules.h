#pragma once
// The administrator's universal rules: actions attached to events about a
// client address. The table keeps the rules list lv_rules in step: row i
// always shows rule i.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "monitor/rule.h"
#include "platform/netapi.h"
#include "platform/sound.h"
#include "platform/ui.h"

namespace ov::monitor {

// What the actions act through.
struct RuleActionPorts {
  NetApi& net;
  Sound& sound;
  ui::WindowSystem& windows;
};

class RuleTable {
 public:
  static constexpr std::size_t kCapacity = 64;

  RuleTable(ui::ListView& lv_rules, const RuleActionPorts& ports);

  // Replaces the rules with those of the file; no file means no rules.
  void load(std::string_view path);
  // Returns false when the file could not be written.
  bool save(std::string_view path) const;
  // Appends a rule from the editor; false when the table is full.
  bool add(const Rule& rule);
  // The rules after it move up one place.
  void remove(std::size_t position);

  std::size_t count() const { return rules_.size(); }
  const Rule& rule(std::size_t position) const { return rules_.at(position); }

  // A connection seen for the first time.
  void connectEvent(std::string_view address);
  // Every session on every cycle, with its connection time.
  void timeEvent(std::string_view address, uint32_t seconds);
  // A newly recorded file opening. The address is empty when the opening
  // could not be traced to a session of this cycle.
  void fileEvent(std::string_view address, std::string_view path);

 private:
  // Executes, in table order, every rule for the address that picks says
  // the event concerns.
  template <typename Picks>
  void raise(std::string_view address, Picks picks);
  void execute(const Rule& rule, const std::string& address);

  std::vector<Rule> rules_;
  ui::ListView& list_;
  RuleActionPorts ports_;
};

}  // namespace ov::monitor
