#include "platform/win32/hot_key.h"

#include <commctrl.h>

namespace ov::win32 {

namespace {

// The form's word keeps Alt in bit 15, Ctrl in bit 14 and Shift in bit 13;
// the control keeps them in its high byte.
constexpr uint16_t kAlt = 0x8000;
constexpr uint16_t kCtrl = 0x4000;
constexpr uint16_t kShift = 0x2000;

WPARAM nativeHotKey(uint16_t word) {
  BYTE modifiers = 0;
  if (word & kAlt) modifiers |= HOTKEYF_ALT;
  if (word & kCtrl) modifiers |= HOTKEYF_CONTROL;
  if (word & kShift) modifiers |= HOTKEYF_SHIFT;
  return MAKEWORD(LOBYTE(word), modifiers);
}

uint16_t formWord(LRESULT native) {
  const BYTE modifiers = HIBYTE(LOWORD(native));
  uint16_t word = LOBYTE(LOWORD(native));
  if (modifiers & HOTKEYF_ALT) word |= kAlt;
  if (modifiers & HOTKEYF_CONTROL) word |= kCtrl;
  if (modifiers & HOTKEYF_SHIFT) word |= kShift;
  return word;
}

}  // namespace

HotKey::HotKey(HWND parent, const ui::ControlArgs& args, uint16_t word)
    : NativeControl(args, word) {
  createControl({.className = HOTKEY_CLASSW,
                 .style = kChildStyle | WS_TABSTOP,
                 .parent = parent,
                 .bounds = args.bounds});
  // No combination without a modifier or with Shift alone: Alt instead.
  SendMessageW(hwnd(), HKM_SETRULES, HKCOMB_NONE | HKCOMB_S,
               MAKELPARAM(HOTKEYF_ALT, 0));
  SendMessageW(hwnd(), HKM_SETHOTKEY, nativeHotKey(word), 0);
}

void HotKey::setValue(uint16_t word) {
  SendMessageW(hwnd(), HKM_SETHOTKEY, nativeHotKey(word), 0);
  NativeControl::setValue(word);
}

void HotKey::onCommand(WORD code) {
  if (code == EN_CHANGE)
    NativeControl::setValue(
        formWord(SendMessageW(hwnd(), HKM_GETHOTKEY, 0, 0)));
}

}  // namespace ov::win32
