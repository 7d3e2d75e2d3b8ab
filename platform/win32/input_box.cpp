#include "platform/win32/input_box.h"

#include "platform/win32/gui_style.h"
#include "platform/win32/native_window.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 130;

class InputBox : public NativeWindow {
 public:
  explicit InputBox(const InputBoxArgs& args) {
    createOwn({.className = kPanelClass,
               .text = args.caption,
               .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
               .exStyle = WS_EX_DLGMODALFRAME,
               .parent = args.owner,
               .bounds = centredOver(args.owner)});
    child(L"STATIC", args.prompt, 0, {10, 10, 290, 17});
    edit_ = child(L"EDIT", args.defaultText, WS_TABSTOP | ES_AUTOHSCROLL,
                  {10, 30, 290, 21}, WS_EX_CLIENTEDGE);
    child(L"BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, {140, 62, 75, 25}, 0,
          IDOK);
    child(L"BUTTON", "Отмена", WS_TABSTOP, {225, 62, 75, 25}, 0, IDCANCEL);
    SendMessageW(edit_, EM_SETSEL, 0, -1);
  }

  std::optional<std::string> run(HWND owner) {
    if (owner) EnableWindow(owner, FALSE);
    ShowWindow(hwnd(), SW_SHOW);
    SetFocus(edit_);
    MSG msg;
    while (!done_) {
      if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
        PostQuitMessage(static_cast<int>(msg.wParam));  // for the main loop
        break;
      }
      if (IsDialogMessageW(hwnd(), &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (owner) {
      EnableWindow(owner, TRUE);
      SetActiveWindow(owner);
    }
    return answer_;
  }

  bool onMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) override {
    if (msg == WM_CLOSE || (msg == WM_COMMAND && LOWORD(wp) == IDCANCEL)) {
      done_ = true;
    } else if (msg == WM_COMMAND && LOWORD(wp) == IDOK) {
      answer_ = windowText(edit_);
      done_ = true;
    } else {
      return false;
    }
    result = 0;
    return true;
  }

 private:
  static ui::Rect centredOver(HWND owner) {
    RECT area;
    if (!owner || !GetWindowRect(owner, &area))
      SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return {(area.left + area.right - kWidth) / 2,
            (area.top + area.bottom - kHeight) / 2, kWidth, kHeight};
  }

  HWND child(const wchar_t* className, const std::string& text, DWORD style,
             ui::Rect at, DWORD exStyle = 0, int id = 0) {
    HWND control = CreateWindowExW(
        exStyle, className, wideText(text).c_str(),
        WS_CHILD | WS_VISIBLE | style, at.left, at.top, at.width, at.height,
        hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        GetModuleHandleW(nullptr), nullptr);
    setGuiFont(control);
    return control;
  }

  HWND edit_ = nullptr;
  bool done_ = false;
  std::optional<std::string> answer_;
};

}  // namespace

std::optional<std::string> runInputBox(const InputBoxArgs& args) {
  InputBox box(args);
  return box.run(args.owner);
}

}  // namespace ov::win32
