#pragma once
// System-wide hot keys port: registration by identifier, and the notice of
// a registered combination being pressed.
#include <functional>

namespace ov {

class HotKeyPort {
 public:
  virtual ~HotKeyPort() = default;
  // modifiers: 1 Alt, 2 Ctrl, 4 Shift. False when the combination is held
  // already, by another program or by this one. A second registration of an
  // identifier keeps the first, as the system does.
  virtual bool RegisterHotKey(int id, unsigned modifiers, unsigned vk) = 0;
  // Withdraws every combination registered under the identifier.
  virtual bool UnregisterHotKey(int id) = 0;
  // A registered combination was pressed; on the GUI thread.
  std::function<void(int id)> onHotKey;
};

}  // namespace ov
