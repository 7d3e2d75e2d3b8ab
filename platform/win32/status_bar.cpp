#include "platform/win32/status_bar.h"

#include <commctrl.h>

#include <vector>

#include "platform/win32/window_text.h"

namespace ov::win32 {

StatusBar::StatusBar(HWND form, const ui::StatusBarArgs& args)
    : NativeControl(args) {
  createControl({.className = STATUSCLASSNAMEW,
                 .style = kChildStyle | SBARS_SIZEGRIP,
                 .parent = form});
  std::vector<int> edges;
  int right = 0;
  for (int width : args.panelWidths) edges.push_back(right += width);
  // The last panel reaches the right edge.
  if (!edges.empty()) edges.back() = -1;
  SendMessageW(hwnd(), SB_SETPARTS, edges.size(),
               reinterpret_cast<LPARAM>(edges.data()));
}

void StatusBar::setBounds(ui::Rect bounds) {
  headless::StatusBar::setBounds(bounds);
  SendMessageW(hwnd(), WM_SIZE, 0, 0);
}

void StatusBar::setPanelText(int panel, const std::string& text) {
  NativeControl::setPanelText(panel, text);
  SendMessageW(hwnd(), SB_SETTEXTW, panel,
               reinterpret_cast<LPARAM>(wideText(text).c_str()));
}

}  // namespace ov::win32
