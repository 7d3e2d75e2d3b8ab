#include "platform/win32/win_hot_keys.h"

namespace ov::win32 {

namespace {

// The identifiers the program registers; withdrawn when it ends.
constexpr int kFirstId = 16;
constexpr int kLastId = 17;

}  // namespace

WinHotKeys::WinHotKeys() { createOwn({.className = kPanelClass}); }

WinHotKeys::~WinHotKeys() {
  for (int id = kFirstId; id <= kLastId; ++id) ::UnregisterHotKey(hwnd(), id);
}

bool WinHotKeys::RegisterHotKey(int id, unsigned modifiers, unsigned vk) {
  return ::RegisterHotKey(hwnd(), id, modifiers, vk) != FALSE;
}

bool WinHotKeys::UnregisterHotKey(int id) {
  return ::UnregisterHotKey(hwnd(), id) != FALSE;
}

bool WinHotKeys::onMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg != WM_HOTKEY) return false;
  if (onHotKey) onHotKey(static_cast<int>(wp));
  result = 0;
  return true;
}

}  // namespace ov::win32
