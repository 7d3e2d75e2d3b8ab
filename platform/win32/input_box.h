#pragma once
// A modal input box: a prompt, an edit box, OK and Cancel. The owner is
// disabled while it is open; timers keep running in its message loop.
#include <optional>
#include <string>

#include "platform/win32/windows_api.h"

namespace ov::win32 {

struct InputBoxArgs {
  HWND owner = nullptr;
  std::string caption;
  std::string prompt;
  std::string defaultText;
};

// Empty when the user cancels or closes the box.
std::optional<std::string> runInputBox(const InputBoxArgs& args);

}  // namespace ov::win32
