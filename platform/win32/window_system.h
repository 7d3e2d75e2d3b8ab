#pragma once
// The Win32 window system: the in-memory controls with a native window
// each, so the form dump and the scenario's user actions work on the real
// window too.
#include <vector>

#include "platform/headless/window_system.h"
#include "platform/win32/windows_api.h"

namespace ov::win32 {

class Form;

class WindowSystem : public headless::WindowSystem {
 public:
  WindowSystem();
  ui::Form& createForm(const ui::ControlArgs& args) override;
  ui::Menu& createMenu(const std::string& name, bool popup) override;
  ui::Label& createLabel(ui::Container& parent,
                         const ui::ControlArgs& args) override;
  ui::GroupBox& createGroupBox(ui::Container& parent,
                               const ui::ControlArgs& args) override;
  ui::Button& createButton(ui::Container& parent,
                           const ui::ControlArgs& args) override;
  ui::CheckBox& createCheckBox(ui::Container& parent,
                               const ui::ControlArgs& args,
                               bool checked) override;
  ui::Edit& createEdit(ui::Container& parent,
                       const ui::ControlArgs& args) override;
  ui::SpinEdit& createSpinEdit(ui::Container& parent,
                               const ui::SpinArgs& args) override;
  ui::HotKey& createHotKey(ui::Container& parent, const ui::ControlArgs& args,
                           uint16_t word) override;
  ui::ComboBox& createComboBox(ui::Container& parent,
                               const ui::ItemsArgs& args) override;
  ui::RadioGroup& createRadioGroup(ui::Container& parent,
                                   const ui::ItemsArgs& args) override;
  ui::ListBox& createListBox(ui::Container& parent,
                             const ui::ControlArgs& args) override;
  ui::ListView& createListView(ui::Container& parent,
                               const ui::ListViewArgs& args) override;
  ui::StringGrid& createStringGrid(ui::Container& parent,
                                   const ui::GridArgs& args) override;
  ui::PageControl& createPageControl(ui::Container& parent,
                                     const ui::PageArgs& args) override;
  ui::StatusBar& createStatusBar(ui::Form& parent,
                                 const ui::StatusBarArgs& args) override;

  ui::Edit& createMemo(ui::Container& parent,
                       const ui::ControlArgs& args) override;
  ui::Control& createAppIcon(ui::Container& parent,
                             const ui::ControlArgs& args) override;
  ui::Image& createImage(ui::Container& parent,
                         const ui::ControlArgs& args) override;
  // The real pointer.
  ui::Point cursorPos() const override;
  ui::Dialog& createDialog(ui::Form& owner,
                           const ui::DialogArgs& args) override;
  ui::ToolTip* createToolTip(ui::StringGrid& owner) override;

  // The system's message box, modal to the owner.
  int messageBox(ui::Form* owner, const std::string& text,
                 const std::string& caption, uint32_t style) override;
  // The answer a scenario queued, else a modal input box over the main form.
  std::optional<std::string> inputBox(const std::string& caption,
                                      const std::string& prompt,
                                      const std::string& defaultText) override;
  // The answer a scenario queued, else the shell's folder browser.
  std::optional<std::string> browseForFolder(const std::string& caption,
                                             const std::string& start) override;

  // At the pointer, owned by the main form so that it closes when the user
  // clicks elsewhere.
  void popUpAtPointer(ui::Menu& menu) override;
  // Leaves the message loop; the windows go with the program.
  void terminate() override;

  // The forms' keyboard shortcuts; true when the message was one.
  bool translateAccelerator(MSG& msg);

 private:
  std::vector<Form*> forms_;
  std::vector<std::unique_ptr<headless::Menu>> menus_;
};

}  // namespace ov::win32
