#include "platform/sim/sim_hotkeys.h"

#include <algorithm>

namespace ov::sim {

bool SimHotKeys::RegisterHotKey(int id, unsigned modifiers, unsigned vk) {
  const bool ours = std::any_of(registered_.begin(), registered_.end(),
                                [&](const Registered& r) {
                                  return r.modifiers == modifiers && r.vk == vk;
                                });
  const bool taken = ours || world_.hotKeyTaken(modifiers, vk) ||
                     (real_ && !real_->RegisterHotKey(id, modifiers, vk));
  if (!taken) registered_.push_back({id, modifiers, vk});
  journal_.write("RegisterHotKey",
                 {static_cast<long long>(id), static_cast<long long>(modifiers),
                  static_cast<long long>(vk), !taken});
  return !taken;
}

bool SimHotKeys::UnregisterHotKey(int id) {
  if (real_) real_->UnregisterHotKey(id);
  return std::erase_if(registered_,
                       [id](const Registered& r) { return r.id == id; }) > 0;
}

void SimHotKeys::setRealHotKeys(HotKeyPort* real) {
  real_ = real;
  if (real_)
    real_->onHotKey = [this](int id) {
      if (onHotKey) onHotKey(id);
    };
}

std::optional<int> SimHotKeys::idFor(KeyCombo combo) const {
  for (const Registered& r : registered_)
    if (r.modifiers == combo.modifiers && r.vk == combo.vk) return r.id;
  return std::nullopt;
}

}  // namespace ov::sim
