#pragma once
// Acts on the form as a user would, by component name: the scenario's
// "ui" verbs.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/window_system.h"
#include "platform/hotkeys.h"
#include "platform/key_names.h"
#include "platform/tray.h"

namespace ov::headless {

// What the system tells the program besides its windows; a notice whose
// port is absent reaches nobody.
struct SystemNotices {
  TrayPort* tray = nullptr;
  HotKeyPort* hotKeys = nullptr;
  // The identifier of the hot key registered for a combination, if any: a
  // key pressed in the window that is a hot key reaches the program as one.
  std::function<std::optional<int>(KeyCombo)> hotKeyFor = {};
};

class UiDriver {
 public:
  explicit UiDriver(WindowSystem& windows, SystemNotices notices = {})
      : windows_(windows), registry_(windows.registry()), notices_(notices) {}

  // The reason a user verb cannot act on this form, or "" when it can.
  // args: the sub-verb first, then its fields.
  std::string check(const std::vector<std::string>& args) const;
  // Carries the verb out; call check first. Returns why it could not act
  // on the form as it is now (no dialog open ...), or "".
  std::string apply(const std::vector<std::string>& args);
  // What the system tells the program: "tray", the shell restarted and
  // lost its icons; "session", the Windows session ends.
  void systemEvent(const std::string& what);

 private:
  std::string applyDialog(const std::vector<std::string>& args);
  void applyTray(const std::vector<std::string>& args);
  void applyHover(Describable* control, const std::vector<std::string>& args);
  std::string applyKey(const std::string& key);
  void applyDblClick(Describable* control,
                     const std::vector<std::string>& args);
  void applyWindow(const std::vector<std::string>& args);

  WindowSystem& windows_;
  ControlRegistry& registry_;
  SystemNotices notices_;
};

}  // namespace ov::headless
