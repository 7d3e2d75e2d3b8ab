#include "platform/sim/sim_registry.h"

namespace ov::sim {

namespace {

constexpr char kAutorunValue[] = "Orvane";

}  // namespace

void SimRegistry::takeScenarioValue() {
  if (scenarioTaken_) return;
  scenarioTaken_ = true;
  if (world_.autorunPresent()) values_[kAutorunValue] = "";
}

std::optional<RegKey> SimRegistry::RegOpenKeyEx(std::string_view, RegAccess) {
  takeScenarioValue();
  if (world_.failures().take("RegOpenKeyEx")) return std::nullopt;
  const RegKey key = nextKey_++;
  open_.insert(key);
  return key;
}

bool SimRegistry::RegQueryValueEx(RegKey key, std::string_view name) {
  return open_.contains(key) && values_.find(name) != values_.end();
}

bool SimRegistry::RegSetValueEx(RegKey key, std::string_view name,
                                std::string_view data) {
  journal_.write("RegSetValue", {std::string(name), std::string(data)});
  if (!open_.contains(key)) return false;
  values_[std::string(name)] = std::string(data);
  return true;
}

bool SimRegistry::RegDeleteValue(RegKey key, std::string_view name) {
  journal_.write("RegDeleteValue", {std::string(name)});
  const auto found = values_.find(name);
  if (!open_.contains(key) || found == values_.end()) return false;
  values_.erase(found);
  return true;
}

void SimRegistry::RegCloseKey(RegKey key) { open_.erase(key); }

std::optional<std::string> SimRegistry::value(std::string_view name) const {
  const auto found = values_.find(name);
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

}  // namespace ov::sim
