#include "platform/win32/window_system.h"

#include <commctrl.h>

#include "platform/win32/app_icon.h"
#include "platform/win32/button.h"
#include "platform/win32/check_box.h"
#include "platform/win32/combo_box.h"
#include "platform/win32/dialog.h"
#include "platform/win32/edit.h"
#include "platform/win32/folder_browser.h"
#include "platform/win32/form.h"
#include "platform/win32/group_box.h"
#include "platform/win32/hot_key.h"
#include "platform/win32/image.h"
#include "platform/win32/input_box.h"
#include "platform/win32/label.h"
#include "platform/win32/list_box.h"
#include "platform/win32/list_view.h"
#include "platform/win32/menu.h"
#include "platform/win32/page_control.h"
#include "platform/win32/radio_group.h"
#include "platform/win32/spin_edit.h"
#include "platform/win32/status_bar.h"
#include "platform/win32/string_grid.h"
#include "platform/win32/tool_tip.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

WindowSystem::WindowSystem() {
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES |
                                    ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
}

ui::Form& WindowSystem::createForm(const ui::ControlArgs& args) {
  Form& form = make<Form>(args.name, args);
  forms_.push_back(&form);
  return form;
}

ui::Menu& WindowSystem::createMenu(const std::string& name, bool popup) {
  menus_.push_back(std::make_unique<Menu>(name, registry(), popup));
  return *menus_.back();
}

ui::Label& WindowSystem::createLabel(ui::Container& parent,
                                     const ui::ControlArgs& args) {
  return makeOn<Label>(parent, args.name, windowOf(parent), args);
}

ui::GroupBox& WindowSystem::createGroupBox(ui::Container& parent,
                                           const ui::ControlArgs& args) {
  return makeOn<GroupBox>(parent, args.name, windowOf(parent), args);
}

ui::Button& WindowSystem::createButton(ui::Container& parent,
                                       const ui::ControlArgs& args) {
  return makeOn<Button>(parent, args.name, windowOf(parent), args);
}

ui::CheckBox& WindowSystem::createCheckBox(ui::Container& parent,
                                           const ui::ControlArgs& args,
                                           bool checked) {
  return makeOn<CheckBox>(parent, args.name, windowOf(parent), args, checked);
}

ui::Edit& WindowSystem::createEdit(ui::Container& parent,
                                   const ui::ControlArgs& args) {
  return makeOn<Edit>(parent, args.name, windowOf(parent), args);
}

ui::SpinEdit& WindowSystem::createSpinEdit(ui::Container& parent,
                                           const ui::SpinArgs& args) {
  return makeOn<SpinEdit>(parent, args.control.name, windowOf(parent), args);
}

ui::HotKey& WindowSystem::createHotKey(ui::Container& parent,
                                       const ui::ControlArgs& args,
                                       uint16_t word) {
  return makeOn<HotKey>(parent, args.name, windowOf(parent), args, word);
}

ui::ComboBox& WindowSystem::createComboBox(ui::Container& parent,
                                           const ui::ItemsArgs& args) {
  return makeOn<ComboBox>(parent, args.control.name, windowOf(parent), args);
}

ui::RadioGroup& WindowSystem::createRadioGroup(ui::Container& parent,
                                               const ui::ItemsArgs& args) {
  return makeOn<RadioGroup>(parent, args.control.name, windowOf(parent), args);
}

ui::ListBox& WindowSystem::createListBox(ui::Container& parent,
                                         const ui::ControlArgs& args) {
  return makeOn<ListBox>(parent, args.name, windowOf(parent), args);
}

ui::ListView& WindowSystem::createListView(ui::Container& parent,
                                           const ui::ListViewArgs& args) {
  return makeOn<ListView>(parent, args.control.name, windowOf(parent), args);
}

ui::StringGrid& WindowSystem::createStringGrid(ui::Container& parent,
                                               const ui::GridArgs& args) {
  return makeOn<StringGrid>(parent, args.control.name, windowOf(parent), args);
}

ui::PageControl& WindowSystem::createPageControl(ui::Container& parent,
                                                 const ui::PageArgs& args) {
  return makeOn<PageControl>(parent, args.control.name, windowOf(parent), args);
}

ui::StatusBar& WindowSystem::createStatusBar(ui::Form& parent,
                                             const ui::StatusBarArgs& args) {
  return makeOn<StatusBar>(parent, args.control.name, windowOf(parent), args);
}

ui::Edit& WindowSystem::createMemo(ui::Container& parent,
                                   const ui::ControlArgs& args) {
  return makeOn<Memo>(parent, args.name, windowOf(parent), args);
}

ui::Control& WindowSystem::createAppIcon(ui::Container& parent,
                                         const ui::ControlArgs& args) {
  return makeOn<AppIcon>(parent, args.name, windowOf(parent), args);
}

ui::Image& WindowSystem::createImage(ui::Container& parent,
                                     const ui::ControlArgs& args) {
  return makeOn<Image>(parent, args.name, windowOf(parent), args);
}

ui::Point WindowSystem::cursorPos() const {
  POINT pointer{};
  GetCursorPos(&pointer);
  return {pointer.x, pointer.y};
}

ui::Dialog& WindowSystem::createDialog(ui::Form& owner,
                                       const ui::DialogArgs& args) {
  return keepDialog(std::make_unique<Dialog>(windowOf(owner), args, onModal));
}

ui::ToolTip* WindowSystem::createToolTip(ui::StringGrid& owner) {
  auto* grid = dynamic_cast<NativeWindow*>(&owner);
  if (refuseToolTips || !grid) return nullptr;
  const std::string name = owner.name() + "_hint";
  auto tip = ToolTip::create(name, grid->hwnd());
  return tip ? &keep(name, std::move(tip)) : nullptr;
}

void WindowSystem::popUpAtPointer(ui::Menu& menu) {
  auto* native = dynamic_cast<Menu*>(&menu);
  if (!native || forms_.empty()) return;
  POINT pointer;
  GetCursorPos(&pointer);
  native->popupAt(forms_.front()->hwnd(), pointer);
}

void WindowSystem::terminate() { PostQuitMessage(0); }

int WindowSystem::messageBox(ui::Form* owner, const std::string& text,
                             const std::string& caption, uint32_t style) {
  return MessageBoxW(owner ? windowOf(*owner) : nullptr, wideText(text).c_str(),
                     wideText(caption).c_str(), style);
}

std::optional<std::string> WindowSystem::inputBox(
    const std::string& caption, const std::string& prompt,
    const std::string& defaultText) {
  if (answerQueued())
    return headless::WindowSystem::inputBox(caption, prompt, defaultText);
  return runInputBox(
      {.owner = forms_.empty() ? nullptr : forms_.front()->hwnd(),
       .caption = caption,
       .prompt = prompt,
       .defaultText = defaultText});
}

std::optional<std::string> WindowSystem::browseForFolder(
    const std::string& caption, const std::string& start) {
  if (answerQueued())
    return headless::WindowSystem::browseForFolder(caption, start);
  return runFolderBrowser(forms_.empty() ? nullptr : forms_.front()->hwnd(),
                          caption, start);
}

bool WindowSystem::translateAccelerator(MSG& msg) {
  for (Form* form : forms_)
    if (form->translateAccelerator(msg)) return true;
  return false;
}

}  // namespace ov::win32
