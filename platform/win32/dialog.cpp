#include "platform/win32/dialog.h"

namespace ov::win32 {

namespace {

ui::Rect centredOn(HWND owner, int width, int height) {
  RECT area;
  if (!owner || !IsWindowVisible(owner) || !GetWindowRect(owner, &area))
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return {area.left + (area.right - area.left - width) / 2,
          area.top + (area.bottom - area.top - height) / 2, width, height};
}

}  // namespace

Dialog::Dialog(HWND owner, const ui::DialogArgs& args,
               const headless::ModalLoop& loop)
    : NativeControl(args, loop), owner_(owner) {
  const DWORD border =
      args.resizable ? WS_THICKFRAME | WS_MAXIMIZEBOX : DS_MODALFRAME;
  createOwn(
      {.className = kFormClass,
       .text = args.caption,
       .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | border,
       .exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
       .parent = owner,
       .bounds = centredOn(owner, args.width, args.height)});
}

void Dialog::setOpacity(int alpha) {
  headless::Dialog::setOpacity(alpha);
  const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  if (!(style & WS_EX_LAYERED))
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, style | WS_EX_LAYERED);
  SetLayeredWindowAttributes(hwnd(), 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

void Dialog::closeBox() { SendMessageW(hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); }

bool Dialog::onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_SIZE && onResize) onResize(LOWORD(lp), HIWORD(lp));
  // The close box, and Escape, which the dialog navigation turns into
  // IDCANCEL.
  if (msg == WM_CLOSE || (msg == WM_COMMAND && LOWORD(wp) == IDCANCEL)) {
    end();
    result = 0;
    return true;
  }
  return false;
}

void Dialog::runModal() {
  if (owner_) EnableWindow(owner_, FALSE);
  ShowWindow(hwnd(), SW_SHOW);
  MSG msg{};
  while (shown()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: the outer loop must see the quit too.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      end();
      break;
    }
    if (IsDialogMessageW(hwnd(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // The owner comes back before the dialog goes, so it is the one
  // activated.
  if (owner_) EnableWindow(owner_, TRUE);
  ShowWindow(hwnd(), SW_HIDE);
}

}  // namespace ov::win32
