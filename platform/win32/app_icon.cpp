#include "platform/win32/app_icon.h"

namespace ov::win32 {

AppIcon::AppIcon(HWND parent, const ui::ControlArgs& args)
    : NativeControl(args) {
  createControl({.className = L"STATIC",
                 .style = kChildStyle | SS_ICON,
                 .parent = parent,
                 .bounds = args.bounds});
  // The icon the program's windows carry.
  const auto icon =
      reinterpret_cast<HICON>(GetClassLongPtrW(parent, GCLP_HICON));
  SendMessageW(hwnd(), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

}  // namespace ov::win32
