#pragma once
// The in-memory window system: creates the in-memory controls, keeps them
// by component name in creation order, and dumps them as one JSON object.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/control_store.h"
#include "platform/headless/controls.h"
#include "platform/headless/dialog.h"
#include "platform/journal.h"
#include "platform/ui.h"

namespace ov::headless {

class Menu : public ui::Menu {
 public:
  Menu(std::string name, ControlRegistry& registry)
      : name_(std::move(name)), registry_(registry) {}
  const std::string& name() const override { return name_; }
  ui::MenuItem& addItem(ui::MenuItem* parent,
                        const ui::MenuItemArgs& args) override;
  ui::Control* popupComponent() const override { return popupComponent_; }
  void setPopupComponent(ui::Control* control) override {
    popupComponent_ = control;
  }

 protected:
  // Lets a native menu wrap its items; the in-memory one keeps them only.
  virtual std::unique_ptr<MenuItem> makeItem(ui::MenuItem* parent,
                                             const ui::MenuItemArgs& args);

 private:
  std::string name_;
  ControlRegistry& registry_;
  std::vector<std::unique_ptr<MenuItem>> items_;
  ui::Control* popupComponent_ = nullptr;
};

class WindowSystem : public ui::WindowSystem {
 public:
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
  ui::Dialog& createDialog(ui::Form& owner,
                           const ui::DialogArgs& args) override;
  void destroyDialog(ui::Dialog& dialog) override;
  // Registered as the owner's name with "_hint"; null while refuseToolTips.
  ui::ToolTip* createToolTip(ui::StringGrid& owner) override;
  // Lets a test run the program on a system that cannot make tooltips.
  bool refuseToolTips = false;
  ui::Control& createAppIcon(ui::Container& parent,
                             const ui::ControlArgs& args) override;
  ui::Image& createImage(ui::Container& parent,
                         const ui::ControlArgs& args) override;
  // The pointer is where the scenario's "ui hover" put it last.
  ui::Point cursorPos() const override { return cursor_; }
  void setCursorPos(ui::Point screen) { cursor_ = screen; }

  // Message boxes are answered with their default button at once; input
  // boxes and folder browsers with the answers queued by the user, else
  // they are cancelled. All are journaled when a journal is set.
  int messageBox(ui::Form* owner, const std::string& text,
                 const std::string& caption, uint32_t style) override;
  std::optional<std::string> inputBox(const std::string& caption,
                                      const std::string& prompt,
                                      const std::string& defaultText) override;
  std::optional<std::string> browseForFolder(const std::string& caption,
                                             const std::string& start) override;
  // Nothing is drawn; the item is chosen by a ui verb.
  void popUpAtPointer(ui::Menu&) override {}
  void terminate() override;
  bool terminated() const { return terminated_; }
  // The run that holds the form ends with it.
  std::function<void()> onTerminate;
  void setJournal(Journal* journal) { journal_ = journal; }
  void queueAnswer(const std::string& answer) { answers_.push_back(answer); }
  bool answerQueued() const { return !answers_.empty(); }

  // Runs the program while a dialog is shown modally: the runner plays the
  // scenario in it. Unset, a modal show returns at once.
  ModalLoop onModal;

  ControlRegistry& registry() { return form_.registry(); }
  // The run-time dialog shown now, the innermost when one opens another;
  // null when none is.
  Dialog* shownDialog() const;
  // The form's controls, and the shown dialog under the key "dialog".
  std::string dump() const;

 protected:
  // Keeps a control of the form, as the form's own.
  template <typename T, typename... Args>
  T& make(const std::string& name, Args&&... args) {
    return form_.make<T>(name, std::forward<Args>(args)...);
  }
  // Keeps a control made elsewhere as the form's own.
  template <typename T>
  T& keep(const std::string& name, std::unique_ptr<T> control) {
    return form_.keep(name, std::move(control));
  }
  // Keeps a control where its parent belongs: on a run-time dialog, with
  // the dialog; elsewhere, with the form.
  template <typename T, typename... Args>
  T& makeOn(ui::Container& parent, const std::string& name, Args&&... args) {
    auto* dialog = dynamic_cast<Dialog*>(&parent);
    ControlStore& store = dialog ? dialog->store() : form_;
    return store.make<T>(name, std::forward<Args>(args)...);
  }
  // Keeps a dialog made by a derived window system.
  Dialog& keepDialog(std::unique_ptr<Dialog> dialog);

 private:
  std::optional<std::string> takeAnswer();
  Journal* journal_ = nullptr;
  // Far from every control until a hover moves it.
  ui::Point cursor_{-100000, -100000};
  bool terminated_ = false;
  std::deque<std::string> answers_;
  ControlStore form_;
  std::vector<std::unique_ptr<Menu>> menus_;
  std::vector<std::unique_ptr<Dialog>> dialogs_;
};

}  // namespace ov::headless
