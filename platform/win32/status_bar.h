#pragma once
// The status bar at the bottom of the form, in panels.
#include "platform/headless/controls.h"
#include "platform/win32/native_control.h"

namespace ov::win32 {

class StatusBar : public NativeControl<headless::StatusBar> {
 public:
  StatusBar(HWND form, const ui::StatusBarArgs& args);
  // The bar places itself along the bottom of the form.
  void setBounds(ui::Rect bounds) override;
  void setPanelText(int panel, const std::string& text) override;
};

}  // namespace ov::win32
