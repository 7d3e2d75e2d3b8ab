#include "platform/win32/edit.h"

#include <type_traits>

#include "platform/win32/gui_style.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

namespace {

template <typename Headless>
constexpr bool kMultiLine = std::is_same_v<Headless, headless::Memo>;

}  // namespace

template <typename Headless>
EditWindow<Headless>::EditWindow(HWND parent, const ui::ControlArgs& args)
    : NativeControl<Headless>(args) {
  const DWORD lines = kMultiLine<Headless> ? ES_MULTILINE | ES_AUTOVSCROLL |
                                                 ES_WANTRETURN | WS_VSCROLL
                                           : ES_AUTOHSCROLL;
  this->createControl({.className = L"EDIT",
                       .text = args.caption,
                       .style = this->kChildStyle | WS_TABSTOP | lines,
                       .exStyle = WS_EX_CLIENTEDGE,
                       .parent = parent,
                       .bounds = args.bounds});
}

template <typename Headless>
void EditWindow<Headless>::setText(const std::string& text) {
  NativeControl<Headless>::setText(text);
  if (windowText(this->hwnd()) != text) setWindowText(this->hwnd(), text);
}

template <typename Headless>
void EditWindow<Headless>::setReadOnly(bool readOnly) {
  NativeControl<Headless>::setReadOnly(readOnly);
  SendMessageW(this->hwnd(), EM_SETREADONLY, readOnly, 0);
}

template <typename Headless>
void EditWindow<Headless>::onCommand(WORD code) {
  if (code == EN_CHANGE)
    NativeControl<Headless>::setText(windowText(this->hwnd()));
}

template <typename Headless>
HBRUSH EditWindow<Headless>::onCtlColor(HDC dc) {
  return silverBackground(dc);
}

template <typename Headless>
bool EditWindow<Headless>::onMessage(UINT msg, WPARAM wp, LPARAM, LRESULT&) {
  if (msg == WM_LBUTTONDBLCLK && this->onDblClick) this->onDblClick();
  if (msg != WM_CHAR || wp >= 0x80) return false;
  this->keyPress(static_cast<char>(wp));
  // A one-line box has no use for Enter but a beep.
  return wp == '\r' && !kMultiLine<Headless>;
}

template class EditWindow<headless::Edit>;
template class EditWindow<headless::Memo>;

}  // namespace ov::win32
