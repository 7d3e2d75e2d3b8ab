#pragma once
// A tracking tooltip of the common controls, owned by a grid: one tool,
// identified by the grid's window, placed at absolute screen positions.
#include <memory>
#include <string>

#include "platform/headless/controls.h"
#include "platform/win32/windows_api.h"
// After windows.h, which it builds on.
#include <commctrl.h>

namespace ov::win32 {

class ToolTip : public headless::ToolTip {
 public:
  ToolTip(std::string name, HWND tip, HWND owner);
  ~ToolTip() override;
  // Null when the tool cannot be registered.
  static std::unique_ptr<ToolTip> create(std::string name, HWND owner);
  void showAt(ui::Point screen, const std::string& text) override;
  void hide() override;

 private:
  TTTOOLINFOW toolInfo() const;

  HWND tip_;
  HWND owner_;
};

}  // namespace ov::win32
