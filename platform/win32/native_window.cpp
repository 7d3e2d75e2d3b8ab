#include "platform/win32/native_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/win32/gui_style.h"
#include "platform/win32/handler_errors.h"
#include "platform/win32/tray_icons.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

namespace {

constexpr wchar_t kWrapperProperty[] = L"OrvaneWrapper";
constexpr UINT_PTR kSubclassId = 1;

// The child whose notice this is, when the message is one a child sends
// its parent.
NativeWindow* reflectionTarget(HWND self, UINT msg, WPARAM wp, LPARAM lp) {
  HWND child = nullptr;
  switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      child = reinterpret_cast<HWND>(lp);
      break;
    case WM_NOTIFY:
      child = reinterpret_cast<const NMHDR*>(lp)->hwndFrom;
      break;
    case WM_CONTEXTMENU:
      child = reinterpret_cast<HWND>(wp);
      break;
    default:
      return nullptr;
  }
  return child && child != self ? NativeWindow::from(child) : nullptr;
}

bool reflect(NativeWindow& child, UINT msg, WPARAM wp, LPARAM lp,
             LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
      child.onCommand(HIWORD(wp));
      return true;
    case WM_NOTIFY:
      return child.onNotify(*reinterpret_cast<const NMHDR*>(lp), result);
    case WM_CONTEXTMENU:
      return child.onContextMenu({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
    default:
      if (HBRUSH brush = child.onCtlColor(reinterpret_cast<HDC>(wp))) {
        result = reinterpret_cast<LRESULT>(brush);
        return true;
      }
      return false;
  }
}

// The wrapper's handling of the message; false when it left the message to
// the default handling, or raised an error, which has been shown.
bool dispatchGuarded(NativeWindow& self, HWND hwnd, UINT msg, WPARAM wp,
                     LPARAM lp, LRESULT& result) {
  bool handled = false;
  return runGuarded(hwnd,
                    [&] { handled = self.dispatch(msg, wp, lp, result); }) &&
         handled;
}

HWND createWindow(const CreateArgs& args, void* createParam) {
  const std::wstring text = wideText(args.text);
  return CreateWindowExW(args.exStyle, args.className, text.c_str(), args.style,
                         args.bounds.left, args.bounds.top, args.bounds.width,
                         args.bounds.height, args.parent, nullptr,
                         GetModuleHandleW(nullptr), createParam);
}

}  // namespace

LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<const CREATESTRUCTW*>(lp);
    if (auto* self = static_cast<NativeWindow*>(create->lpCreateParams))
      self->bind(hwnd);
  }
  NativeWindow* self = NativeWindow::from(hwnd);
  LRESULT result = 0;
  if (self && dispatchGuarded(*self, hwnd, msg, wp, lp, result)) return result;
  result = DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY && self) self->unbind();
  return result;
}

LRESULT CALLBACK subclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                              UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<NativeWindow*>(data);
  LRESULT result = 0;
  if (dispatchGuarded(*self, hwnd, msg, wp, lp, result)) return result;
  result = DefSubclassProc(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, subclassProc, kSubclassId);
    self->unbind();
  }
  return result;
}

NativeWindow::~NativeWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

NativeWindow* NativeWindow::from(HWND hwnd) {
  return static_cast<NativeWindow*>(GetPropW(hwnd, kWrapperProperty));
}

bool NativeWindow::onMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool NativeWindow::dispatch(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (NativeWindow* child = reflectionTarget(hwnd_, msg, wp, lp))
    if (reflect(*child, msg, wp, lp, result)) return true;
  return onMessage(msg, wp, lp, result);
}

namespace {

void registerWindowClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = windowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.style = CS_DBLCLKS;
  wc.hIcon = programIcon(false);
  wc.hIconSm = programIcon(true);
  wc.lpszClassName = kFormClass;
  RegisterClassExW(&wc);
  wc.hIcon = nullptr;
  wc.hIconSm = nullptr;
  wc.lpszClassName = kPanelClass;
  RegisterClassExW(&wc);
  // The grid paints every pixel itself.
  wc.hbrBackground = nullptr;
  wc.lpszClassName = kGridClass;
  RegisterClassExW(&wc);
}

}  // namespace

HWND NativeWindow::createOwn(const CreateArgs& args) {
  registerWindowClasses();
  createWindow(args, this);
  if (hwnd_) setGuiFont(hwnd_);
  return hwnd_;
}

HWND NativeWindow::createControl(const CreateArgs& args) {
  HWND hwnd = createWindow(args, nullptr);
  if (!hwnd) return nullptr;
  bind(hwnd);
  SetWindowSubclass(hwnd, subclassProc, kSubclassId,
                    reinterpret_cast<DWORD_PTR>(this));
  setGuiFont(hwnd);
  return hwnd;
}

void NativeWindow::bind(HWND hwnd) {
  hwnd_ = hwnd;
  SetPropW(hwnd, kWrapperProperty, this);
}

void NativeWindow::unbind() {
  RemovePropW(hwnd_, kWrapperProperty);
  hwnd_ = nullptr;
}

HWND windowOf(ui::Container& container) {
  auto* native = dynamic_cast<NativeWindow*>(&container);
  return native ? native->hwnd() : nullptr;
}

}  // namespace ov::win32
