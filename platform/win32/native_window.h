#pragma once
// The wrapper of one HWND. Every window the program creates or subclasses
// runs through one window procedure: it finds the wrapper from the HWND and
// reflects the notices a child sends its parent (WM_COMMAND, WM_NOTIFY,
// WM_CONTEXTMENU, WM_CTLCOLOR*) to the child's own wrapper, so no parent
// needs to know its children.
#include <string>

#include "platform/ui.h"
#include "platform/win32/windows_api.h"

namespace ov::win32 {

struct CreateArgs {
  const wchar_t* className = nullptr;
  std::string text;
  DWORD style = 0;
  DWORD exStyle = 0;
  HWND parent = nullptr;
  ui::Rect bounds;
};

class NativeWindow {
 public:
  NativeWindow() = default;
  NativeWindow(const NativeWindow&) = delete;
  NativeWindow& operator=(const NativeWindow&) = delete;
  virtual ~NativeWindow();

  HWND hwnd() const { return hwnd_; }
  static NativeWindow* from(HWND hwnd);

  // A message sent to this window; false lets the default handling run.
  virtual bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // Notices of this control, reflected from its parent.
  virtual void onCommand(WORD) {}
  virtual bool onNotify(const NMHDR&, LRESULT&) { return false; }
  virtual bool onContextMenu(POINT) { return false; }
  // The background brush of this control, or null for the default.
  virtual HBRUSH onCtlColor(HDC) { return nullptr; }

  bool dispatch(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

 protected:
  // A window of one of the program's own classes (kFormClass ...).
  HWND createOwn(const CreateArgs& args);
  // A system control (BUTTON, EDIT ...), subclassed so that it reflects
  // its own children's notices and reaches onMessage.
  HWND createControl(const CreateArgs& args);

 private:
  friend LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK subclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR,
                                       DWORD_PTR);
  void bind(HWND hwnd);
  void unbind();

  HWND hwnd_ = nullptr;
};

// The program's window classes: the form, a plain panel (pages, hidden
// windows) and the grid.
inline constexpr wchar_t kFormClass[] = L"Orvane";
inline constexpr wchar_t kPanelClass[] = L"OrvanePanel";
inline constexpr wchar_t kGridClass[] = L"OrvaneGrid";

// The HWND of a container created by this window system.
HWND windowOf(ui::Container& container);

}  // namespace ov::win32
