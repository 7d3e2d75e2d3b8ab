#include "platform/win32/spin_edit.h"

#include <commctrl.h>

#include <charconv>

#include "platform/win32/gui_style.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

SpinEdit::SpinEdit(HWND parent, const ui::SpinArgs& args)
    : NativeControl(args) {
  createControl({.className = L"EDIT",
                 .text = std::to_string(value()),
                 .style = kChildStyle | WS_TABSTOP | ES_AUTOHSCROLL,
                 .exStyle = WS_EX_CLIENTEDGE,
                 .parent = parent,
                 .bounds = args.control.bounds});
  upDown_ = CreateWindowExW(0, UPDOWN_CLASSW, nullptr,
                            kChildStyle | UDS_ALIGNRIGHT | UDS_ARROWKEYS |
                                UDS_SETBUDDYINT | UDS_NOTHOUSANDS,
                            0, 0, 0, 0, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd()), 0);
  SendMessageW(upDown_, UDM_SETRANGE32, minValue(), maxValue());
  SendMessageW(upDown_, UDM_SETPOS32, 0, value());
  UDACCEL accel{0, static_cast<UINT>(args.step)};
  SendMessageW(upDown_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

SpinEdit::~SpinEdit() {
  if (IsWindow(upDown_)) DestroyWindow(upDown_);
}

void SpinEdit::setValue(int value) {
  NativeControl::setValue(value);
  showValue();
}

void SpinEdit::setEnabled(bool enabled) {
  NativeControl::setEnabled(enabled);
  EnableWindow(upDown_, enabled);
}

void SpinEdit::setVisible(bool visible) {
  NativeControl::setVisible(visible);
  ShowWindow(upDown_, visible ? SW_SHOWNA : SW_HIDE);
}

void SpinEdit::setBounds(ui::Rect bounds) {
  NativeControl::setBounds(bounds);
  // The up-down control places itself inside the buddy's old rectangle.
  SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd()), 0);
}

void SpinEdit::onCommand(WORD code) {
  if (code == EN_KILLFOCUS) {
    showValue();  // typed text out of range or not a number
    return;
  }
  if (code != EN_CHANGE) return;
  const std::string text = windowText(hwnd());
  int typed = 0;
  auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), typed);
  if (error == std::errc() && end == text.data() + text.size())
    NativeControl::setValue(typed);
}

HBRUSH SpinEdit::onCtlColor(HDC dc) { return silverBackground(dc); }

void SpinEdit::showValue() {
  SendMessageW(upDown_, UDM_SETPOS32, 0, value());
  const std::string text = std::to_string(value());
  if (windowText(hwnd()) != text) setWindowText(hwnd(), text);
}

}  // namespace ov::win32
