#include "platform/win32/shell_tray.h"

#include <shlwapi.h>

#include <algorithm>

#include "platform/text/utf16.h"
#include "platform/win32/procedure.h"
#include "platform/win32/tray_icons.h"

namespace ov::win32 {

namespace {

// Cuts the text to the shell's field, which counts UTF-16 units; a
// character of two units goes whole or not at all.
template <size_t N>
void copyText(wchar_t (&field)[N], const std::string& utf8) {
  const std::u16string wide = utf8ToUtf16(utf8);
  const size_t length = utf16CutLength(wide, N - 1);
  std::copy_n(wide.data(), length, field);
  field[length] = L'\0';
}

}  // namespace

ShellTray::ShellTray()
    : taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
  // A top-level window: message-only windows miss the shell's broadcast.
  createOwn({.className = kPanelClass});
}

bool ShellTray::CanShowBalloons() {
  const auto getVersion = procedure<DLLGETVERSIONPROC>(
      GetModuleHandleW(L"comctl32.dll"), "DllGetVersion");
  DLLVERSIONINFO version{};
  version.cbSize = sizeof version;
  if (!getVersion || FAILED(getVersion(&version))) return false;
  return version.dwMajorVersion > 5 ||
         (version.dwMajorVersion == 5 && version.dwMinorVersion >= 80);
}

bool ShellTray::Shell_NotifyIcon(NotifyCommand command,
                                 const NotifyIconData& data) {
  // The port's flag values are the shell's own.
  NOTIFYICONDATAW shell{};
  shell.cbSize = sizeof shell;
  shell.hWnd = hwnd();
  shell.uID = data.uID;
  shell.uFlags = data.uFlags;
  shell.uCallbackMessage = data.uCallbackMessage;
  shell.hIcon = trayIcon(data.hIcon);
  copyText(shell.szTip, data.szTip);
  copyText(shell.szInfo, data.szInfo);
  shell.uTimeout = data.uTimeout;
  copyText(shell.szInfoTitle, data.szInfoTitle);
  shell.dwInfoFlags = data.dwInfoFlags;
  if (data.uFlags & NIF_MESSAGE) callbackMessage_ = data.uCallbackMessage;
  return ::Shell_NotifyIconW(static_cast<DWORD>(command), &shell);
}

bool ShellTray::onMessage(UINT msg, WPARAM, LPARAM lp, LRESULT&) {
  if (msg == taskbarCreated_) {
    if (onTaskbarCreated) onTaskbarCreated();
    return true;
  }
  if (msg != callbackMessage_ || msg == 0) return false;
  if (LOWORD(lp) == WM_LBUTTONDBLCLK && onDoubleClick) onDoubleClick();
  if (LOWORD(lp) == WM_RBUTTONUP && onRightClick) onRightClick();
  return true;
}

}  // namespace ov::win32
