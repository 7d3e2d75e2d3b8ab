#pragma once
// Main and popup menus: an HMENU per menu and per item with sub-items;
// each item has a command id by which a choice finds it again.
#include <map>
#include <vector>

#include "platform/headless/window_system.h"
#include "platform/win32/windows_api.h"

namespace ov::win32 {

class MenuItem : public headless::MenuItem {
 public:
  MenuItem(HMENU owner, UINT id, const ui::MenuItemArgs& args);
  void setCaption(const std::string& caption) override;
  void setChecked(bool checked) override;
  void setEnabled(bool enabled) override;
  // The menu of this item's sub-items, made when the first one comes.
  HMENU subMenu();

 private:
  MENUITEMINFOW info(std::wstring& text) const;
  void update();

  HMENU owner_;
  UINT id_;
  std::string shortcut_;
  bool isDefault_;
  HMENU subMenu_ = nullptr;
};

class Menu : public headless::Menu {
 public:
  Menu(std::string name, headless::ControlRegistry& registry, bool popup);
  ~Menu() override;
  HMENU handle() const { return handle_; }
  // Runs the item with that command id; false when it is not this menu's.
  bool runCommand(UINT id);
  // The shortcuts of the items, for the message loop.
  const std::vector<ACCEL>& accelerators() const { return accelerators_; }
  // Shows the menu at a screen point and runs the chosen item.
  void popupAt(HWND owner, POINT screen);

 protected:
  std::unique_ptr<headless::MenuItem> makeItem(
      ui::MenuItem* parent, const ui::MenuItemArgs& args) override;

 private:
  HMENU handle_;
  std::map<UINT, MenuItem*> byId_;
  std::vector<ACCEL> accelerators_;
};

// Shows a control's context menu, if it has one, where the user asked for
// it (a point of (-1,-1) comes from the keyboard: the control's corner).
// The menu remembers the control, so its items act on that one.
bool showPopupMenu(ui::Menu* menu, ui::Control& over, HWND owner, POINT screen);

}  // namespace ov::win32
