#include "platform/win32/menu.h"

#include "platform/win32/shortcut.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

namespace {

// Ids below this are left to dialogs (IDOK, IDCANCEL ...).
UINT nextCommandId() {
  static UINT next = 100;
  return next++;
}

}  // namespace

MenuItem::MenuItem(HMENU owner, UINT id, const ui::MenuItemArgs& args)
    : headless::MenuItem(args),
      owner_(owner),
      id_(id),
      shortcut_(args.shortcut),
      isDefault_(args.isDefault) {
  std::wstring text;
  const MENUITEMINFOW item = info(text);
  InsertMenuItemW(owner_, GetMenuItemCount(owner_), TRUE, &item);
}

void MenuItem::setCaption(const std::string& caption) {
  headless::MenuItem::setCaption(caption);
  update();
}

void MenuItem::setChecked(bool checked) {
  headless::MenuItem::setChecked(checked);
  update();
}

void MenuItem::setEnabled(bool enabled) {
  headless::MenuItem::setEnabled(enabled);
  update();
}

HMENU MenuItem::subMenu() {
  if (subMenu_) return subMenu_;
  subMenu_ = CreatePopupMenu();
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_SUBMENU;
  item.hSubMenu = subMenu_;
  SetMenuItemInfoW(owner_, id_, FALSE, &item);
  return subMenu_;
}

MENUITEMINFOW MenuItem::info(std::wstring& text) const {
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE;
  item.wID = id_;
  item.fState = (checked() ? MFS_CHECKED : 0) | (enabled() ? 0 : MFS_DISABLED) |
                (isDefault_ ? MFS_DEFAULT : 0);
  if (caption() == "-") {
    item.fType = MFT_SEPARATOR;
    return item;
  }
  text = wideText(shortcut_.empty() ? caption() : caption() + "\t" + shortcut_);
  item.fMask |= MIIM_STRING;
  item.fType = MFT_STRING;
  item.dwTypeData = text.data();
  return item;
}

void MenuItem::update() {
  std::wstring text;
  const MENUITEMINFOW item = info(text);
  SetMenuItemInfoW(owner_, id_, FALSE, &item);
}

Menu::Menu(std::string name, headless::ControlRegistry& registry, bool popup)
    : headless::Menu(std::move(name), registry),
      handle_(popup ? CreatePopupMenu() : CreateMenu()) {}

Menu::~Menu() {
  // A main menu goes with its window; a popup menu is ours to destroy.
  if (IsMenu(handle_)) DestroyMenu(handle_);
}

bool Menu::runCommand(UINT id) {
  auto it = byId_.find(id);
  if (it == byId_.end()) return false;
  it->second->click();
  return true;
}

void Menu::popupAt(HWND owner, POINT screen) {
  // The menu of a background window closes only when it has the focus.
  SetForegroundWindow(owner);
  const UINT id =
      TrackPopupMenuEx(handle_, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                       screen.x, screen.y, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
  if (id) runCommand(id);
}

std::unique_ptr<headless::MenuItem> Menu::makeItem(
    ui::MenuItem* parent, const ui::MenuItemArgs& args) {
  auto* nativeParent = dynamic_cast<MenuItem*>(parent);
  const UINT id = nextCommandId();
  auto item = std::make_unique<MenuItem>(
      nativeParent ? nativeParent->subMenu() : handle_, id, args);
  byId_[id] = item.get();
  if (auto accel = parseShortcut(args.shortcut, static_cast<WORD>(id)))
    accelerators_.push_back(*accel);
  return item;
}

bool showPopupMenu(ui::Menu* menu, ui::Control& over, HWND owner,
                   POINT screen) {
  auto* native = dynamic_cast<Menu*>(menu);
  if (!native) return false;
  native->setPopupComponent(&over);
  if (screen.x == -1 && screen.y == -1) {
    RECT rect;
    GetWindowRect(owner, &rect);
    screen = {rect.left, rect.top};
  }
  native->popupAt(owner, screen);
  return true;
}

}  // namespace ov::win32
