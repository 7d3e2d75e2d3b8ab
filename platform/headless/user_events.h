#pragma once
// Carries out a scenario's user events on the form: the ui verbs, dumps of
// the form, and the two ways a run ends. The headless runner and the
// Windows program with /sim share it.
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/headless/ui_driver.h"
#include "platform/headless/window_system.h"

namespace ov::headless {

struct RunEndings {
  std::function<void()> exit;  // as the main menu's exit: the close query
  std::function<void()> quit;  // as the tray menu's exit: nothing saved
};

class UserEvents {
 public:
  UserEvents(WindowSystem& windows, RunEndings endings,
             SystemNotices notices = {})
      : windows_(windows),
        driver_(windows, notices),
        endings_(std::move(endings)) {}

  // verb: ui, dump, exit, quit, tray or session; args as the scenario gives
  // them. A dump
  // that cannot be written is reported to err.
  void handle(const std::string& verb, const std::vector<std::string>& args,
              std::ostream& err);
  const UiDriver& driver() const { return driver_; }

 private:
  WindowSystem& windows_;
  UiDriver driver_;
  RunEndings endings_;
};

// Writes the form's dump, one JSON object and a line end; false when the
// file cannot be written.
bool writeDump(const std::string& path, const WindowSystem& windows);

}  // namespace ov::headless
