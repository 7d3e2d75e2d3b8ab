#pragma once
// The registry of the scenario's machine: every key opens unless a "fail
// RegOpenKeyEx" is armed; the value "Orvane" is there when the scenario says
// "autorun present". Writes and deletions go to the journal.
#include <map>
#include <set>
#include <string>

#include "platform/journal.h"
#include "platform/registry.h"
#include "platform/sim/world.h"

namespace ov::sim {

class SimRegistry : public RegistryPort {
 public:
  SimRegistry(World& world, Journal& journal)
      : world_(world), journal_(journal) {}
  std::optional<RegKey> RegOpenKeyEx(std::string_view subKey,
                                     RegAccess access) override;
  bool RegQueryValueEx(RegKey key, std::string_view name) override;
  bool RegSetValueEx(RegKey key, std::string_view name,
                     std::string_view data) override;
  bool RegDeleteValue(RegKey key, std::string_view name) override;
  void RegCloseKey(RegKey key) override;

  // Keys opened and not closed yet.
  std::size_t openKeys() const { return open_.size(); }
  // The data written under the name, if the value is there.
  std::optional<std::string> value(std::string_view name) const;

 private:
  // The scenario's autorun value, as the machine had it at start.
  void takeScenarioValue();

  World& world_;
  Journal& journal_;
  std::set<RegKey> open_;
  RegKey nextKey_ = 1;
  bool scenarioTaken_ = false;
  std::map<std::string, std::string, std::less<>> values_;
};

}  // namespace ov::sim
