#pragma once
// Hot keys against the scenario's world: a combination is taken when the
// scenario says another program holds it or this program registered it;
// registrations go to the journal. With the real machine's hot keys set
// (Orvane.exe /sim) a free combination is registered there too, and its
// presses reach the program.
#include <optional>
#include <vector>

#include "platform/hotkeys.h"
#include "platform/journal.h"
#include "platform/key_names.h"
#include "platform/sim/world.h"

namespace ov::sim {

class SimHotKeys : public HotKeyPort {
 public:
  SimHotKeys(World& world, Journal& journal)
      : world_(world), journal_(journal) {}
  bool RegisterHotKey(int id, unsigned modifiers, unsigned vk) override;
  bool UnregisterHotKey(int id) override;
  void setRealHotKeys(HotKeyPort* real);
  // The identifier registered for the combination, if any.
  std::optional<int> idFor(KeyCombo combo) const;

 private:
  struct Registered {
    int id;
    unsigned modifiers;
    unsigned vk;
  };
  World& world_;
  Journal& journal_;
  std::vector<Registered> registered_;
  HotKeyPort* real_ = nullptr;
};

}  // namespace ov::sim
