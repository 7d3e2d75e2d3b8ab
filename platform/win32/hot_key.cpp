#include "platform/win32/hot_key.h"

#include <commctrl.h>

#include "platform/hot_key_word.h"

namespace ov::win32 {

namespace {

// The form's word keeps the modifiers in its bits 15, 14 and 13; the
// control keeps them in its high byte.
WPARAM nativeHotKey(uint16_t word) {
  BYTE modifiers = 0;
  if (word & kHotKeyWordAlt) modifiers |= HOTKEYF_ALT;
  if (word & kHotKeyWordCtrl) modifiers |= HOTKEYF_CONTROL;
  if (word & kHotKeyWordShift) modifiers |= HOTKEYF_SHIFT;
  return MAKEWORD(LOBYTE(word), modifiers);
}

uint16_t formWord(LRESULT native) {
  const BYTE modifiers = HIBYTE(LOWORD(native));
  uint16_t word = LOBYTE(LOWORD(native));
  if (modifiers & HOTKEYF_ALT) word |= kHotKeyWordAlt;
  if (modifiers & HOTKEYF_CONTROL) word |= kHotKeyWordCtrl;
  if (modifiers & HOTKEYF_SHIFT) word |= kHotKeyWordShift;
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
