#pragma once
// The in-memory window system: creates the in-memory controls, keeps them
// by component name in creation order, and dumps them as one JSON object.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/controls.h"
#include "platform/journal.h"
#include "platform/ui.h"

namespace ov::headless {

// Every named control and menu item of a form, in creation order.
class ControlRegistry {
 public:
  void add(const std::string& name, Describable& control);
  Describable* find(const std::string& name) const;
  template <typename T>
  T* find(const std::string& name) const {
    return dynamic_cast<T*>(find(name));
  }
  // The dump: {"Form1": {"kind": "form", ...}, ...}
  std::string dump() const;

 private:
  std::vector<std::pair<std::string, Describable*>> ordered_;
  std::map<std::string, Describable*> byName_;
};

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

  // Message boxes are answered with their default button at once; input
  // boxes with the answers queued by the user, else they are cancelled.
  // Both are journaled when a journal is set.
  int messageBox(ui::Form* owner, const std::string& text,
                 const std::string& caption, uint32_t style) override;
  std::optional<std::string> inputBox(const std::string& caption,
                                      const std::string& prompt,
                                      const std::string& defaultText) override;
  // Nothing is drawn; the item is chosen by a ui verb.
  void popUpAtPointer(ui::Menu&) override {}
  void terminate() override;
  bool terminated() const { return terminated_; }
  // The run that holds the form ends with it.
  std::function<void()> onTerminate;
  void setJournal(Journal* journal) { journal_ = journal; }
  void queueAnswer(const std::string& answer) { answers_.push_back(answer); }
  bool answerQueued() const { return !answers_.empty(); }

  ControlRegistry& registry() { return registry_; }

 protected:
  // Keeps the control and registers it under its component name.
  template <typename T, typename... Args>
  T& make(const std::string& name, Args&&... args);

 private:
  Journal* journal_ = nullptr;
  bool terminated_ = false;
  std::deque<std::string> answers_;
  ControlRegistry registry_;
  std::vector<std::unique_ptr<Describable>> controls_;
  std::vector<std::unique_ptr<Menu>> menus_;
};

template <typename T, typename... Args>
T& WindowSystem::make(const std::string& name, Args&&... args) {
  auto control = std::make_unique<T>(std::forward<Args>(args)...);
  T& ref = *control;
  controls_.push_back(std::move(control));
  registry_.add(name, ref);
  return ref;
}

}  // namespace ov::headless
