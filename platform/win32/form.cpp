#include "platform/win32/form.h"

#include <commctrl.h>

#include "platform/win32/menu.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

namespace {

ui::Rect centredOnScreen(ui::Rect bounds) {
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  bounds.left = work.left + (work.right - work.left - bounds.width) / 2;
  bounds.top = work.top + (work.bottom - work.top - bounds.height) / 2;
  return bounds;
}

ui::WindowState stateOf(WPARAM sizeType) {
  switch (sizeType) {
    case SIZE_MINIMIZED:
      return ui::WindowState::minimized;
    case SIZE_MAXIMIZED:
      return ui::WindowState::maximized;
    default:
      return ui::WindowState::normal;
  }
}

}  // namespace

Form::Form(const ui::ControlArgs& args) : NativeControl(args) {
  createOwn({.className = kFormClass,
             .text = args.caption,
             .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
             .bounds = args.bounds});
  takeWindowRect();
}

Form::~Form() {
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

void Form::setCaption(const std::string& caption) {
  NativeControl::setCaption(caption);
  setWindowText(hwnd(), caption);
}

void Form::setVisible(bool visible) {
  headless::Form::setVisible(visible);
  ShowWindow(hwnd(), visible ? SW_SHOW : SW_HIDE);
}

void Form::setBounds(ui::Rect bounds) {
  bounds = withSmallestSize(bounds);
  // The window's own size notice passes the new size to the in-memory form.
  MoveWindow(hwnd(), bounds.left, bounds.top, bounds.width, bounds.height,
             TRUE);
  headless::Form::setBounds(bounds);
}

void Form::setWindowState(ui::WindowState state) {
  headless::Form::setWindowState(state);
  if (!everShown_ && state != ui::WindowState::hidden) {
    centre();
    everShown_ = true;
  }
  switch (state) {
    case ui::WindowState::hidden:
      ShowWindow(hwnd(), SW_HIDE);
      break;
    case ui::WindowState::minimized:
      ShowWindow(hwnd(), SW_MINIMIZE);
      break;
    case ui::WindowState::maximized:
      ShowWindow(hwnd(), SW_MAXIMIZE);
      break;
    case ui::WindowState::normal:
      ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_RESTORE : SW_SHOWNORMAL);
      break;
  }
}

void Form::setMainMenu(ui::Menu& menu) {
  headless::Form::setMainMenu(menu);
  mainMenu_ = dynamic_cast<Menu*>(&menu);
  if (mainMenu_) SetMenu(hwnd(), mainMenu_->handle());
}

ui::Rect Form::clientRect() const {
  RECT client;
  GetClientRect(hwnd(), &client);
  return {0, 0, client.right, client.bottom};
}

void Form::close() {
  if (!closed()) PostMessageW(hwnd(), WM_CLOSE, 0, 0);
}

void Form::closeBox() { SendMessageW(hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); }

bool Form::onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_SYSCOMMAND:
      if (!onSysCommand || !onSysCommand(static_cast<unsigned>(wp & 0xFFF0)))
        return false;
      result = 0;
      return true;
    case WM_QUERYENDSESSION:
      // The end of the Windows session runs the close query.
      headless::Form::close();
      result = TRUE;
      return true;
    case WM_COMMAND:
      // Controls' notices were reflected to them; this is a menu choice.
      return lp == 0 && mainMenu_ && mainMenu_->runCommand(LOWORD(wp));
    case WM_SIZE:
      if (HWND bar = FindWindowExW(hwnd(), nullptr, STATUSCLASSNAMEW, nullptr))
        SendMessageW(bar, WM_SIZE, 0, 0);
      // A hidden window stays hidden whatever size it is given.
      if (IsWindowVisible(hwnd())) headless::Form::setWindowState(stateOf(wp));
      takeWindowRect();
      return false;
    case WM_MOVE:
      takeWindowRect();
      return false;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = {smallestSize().x,
                                                           smallestSize().y};
      return true;
    case WM_CLOSE:
      headless::Form::close();
      if (closed()) DestroyWindow(hwnd());
      result = 0;
      return true;
    case WM_DESTROY:
      PostQuitMessage(0);
      return false;
    default:
      return false;
  }
}

bool Form::translateAccelerator(MSG& msg) {
  if (!mainMenu_) return false;
  const auto& table = mainMenu_->accelerators();
  if (table.size() != acceleratorCount_) {
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    std::vector<ACCEL> copy(table);
    accelerators_ =
        CreateAcceleratorTableW(copy.data(), static_cast<int>(copy.size()));
    acceleratorCount_ = table.size();
  }
  return accelerators_ && TranslateAcceleratorW(hwnd(), accelerators_, &msg);
}

void Form::centre() {
  // On the screen at the size the settings gave, before it first shows.
  setBounds(centredOnScreen(bounds()));
}

void Form::takeWindowRect() {
  if (!hwnd() || IsIconic(hwnd())) return;
  RECT rect;
  GetWindowRect(hwnd(), &rect);
  headless::Form::setBounds(
      {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
}

}  // namespace ov::win32
