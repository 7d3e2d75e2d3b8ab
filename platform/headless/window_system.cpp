#include "platform/headless/window_system.h"

#include <algorithm>

#include "platform/headless/json_object.h"

namespace ov::headless {

void ControlRegistry::add(const std::string& name, Describable& control) {
  if (name.empty() || byName_.count(name)) return;
  ordered_.emplace_back(name, &control);
  byName_[name] = &control;
}

Describable* ControlRegistry::find(const std::string& name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

std::string ControlRegistry::dump() const {
  JsonObject all;
  for (const auto& [name, control] : ordered_) {
    JsonObject one;
    one.add("kind", control->kind());
    one.add("enabled", control->shownEnabled());
    one.add("visible", control->shownVisible());
    control->describe(one);
    all.addRaw(name, one.text());
  }
  return all.text();
}

ui::MenuItem& Menu::addItem(ui::MenuItem* parent,
                            const ui::MenuItemArgs& args) {
  auto item = makeItem(parent, args);
  const std::string& owner = parent ? parent->name() : name_;
  const auto siblings = std::count_if(
      items_.begin(), items_.end(),
      [&owner](const auto& other) { return other->parent() == owner; });
  item->setPlace(owner, static_cast<int>(siblings));
  items_.push_back(std::move(item));
  registry_.add(args.name, *items_.back());
  return *items_.back();
}

std::unique_ptr<MenuItem> Menu::makeItem(ui::MenuItem*,
                                         const ui::MenuItemArgs& args) {
  return std::make_unique<MenuItem>(args);
}

ui::Form& WindowSystem::createForm(const ui::ControlArgs& args) {
  return make<Form>(args.name, args);
}

ui::Menu& WindowSystem::createMenu(const std::string& name, bool) {
  menus_.push_back(std::make_unique<Menu>(name, registry_));
  return *menus_.back();
}

ui::Label& WindowSystem::createLabel(ui::Container&,
                                     const ui::ControlArgs& args) {
  return make<Label>(args.name, args);
}

ui::GroupBox& WindowSystem::createGroupBox(ui::Container&,
                                           const ui::ControlArgs& args) {
  return make<GroupBox>(args.name, args);
}

ui::Button& WindowSystem::createButton(ui::Container&,
                                       const ui::ControlArgs& args) {
  return make<Button>(args.name, args);
}

ui::CheckBox& WindowSystem::createCheckBox(ui::Container&,
                                           const ui::ControlArgs& args,
                                           bool checked) {
  return make<CheckBox>(args.name, args, checked);
}

ui::Edit& WindowSystem::createEdit(ui::Container&,
                                   const ui::ControlArgs& args) {
  return make<Edit>(args.name, args);
}

ui::SpinEdit& WindowSystem::createSpinEdit(ui::Container&,
                                           const ui::SpinArgs& args) {
  return make<SpinEdit>(args.control.name, args);
}

ui::HotKey& WindowSystem::createHotKey(ui::Container&,
                                       const ui::ControlArgs& args,
                                       uint16_t word) {
  return make<HotKey>(args.name, args, word);
}

ui::ComboBox& WindowSystem::createComboBox(ui::Container&,
                                           const ui::ItemsArgs& args) {
  return make<ComboBox>(args.control.name, args);
}

ui::RadioGroup& WindowSystem::createRadioGroup(ui::Container&,
                                               const ui::ItemsArgs& args) {
  return make<RadioGroup>(args.control.name, args);
}

void WindowSystem::terminate() {
  terminated_ = true;
  if (onTerminate) onTerminate();
}

int WindowSystem::messageBox(ui::Form*, const std::string& text,
                             const std::string& caption, uint32_t style) {
  if (journal_)
    journal_->write("MessageBox",
                    {caption, text, static_cast<long long>(style)});
  return ui::IDOK;
}

std::optional<std::string> WindowSystem::inputBox(const std::string& caption,
                                                  const std::string& prompt,
                                                  const std::string&) {
  std::optional<std::string> answer;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  if (journal_)
    journal_->write(
        "InputBox",
        {caption, prompt, answer ? JournalArg(*answer) : JournalArg(nullptr)});
  return answer;
}

ui::ListBox& WindowSystem::createListBox(ui::Container&,
                                         const ui::ControlArgs& args) {
  return make<ListBox>(args.name, args);
}

ui::ListView& WindowSystem::createListView(ui::Container&,
                                           const ui::ListViewArgs& args) {
  return make<ListView>(args.control.name, args);
}

ui::StringGrid& WindowSystem::createStringGrid(ui::Container&,
                                               const ui::GridArgs& args) {
  return make<StringGrid>(args.control.name, args);
}

ui::PageControl& WindowSystem::createPageControl(ui::Container&,
                                                 const ui::PageArgs& args) {
  return make<PageControl>(args.control.name, args);
}

ui::StatusBar& WindowSystem::createStatusBar(ui::Form&,
                                             const ui::StatusBarArgs& args) {
  return make<StatusBar>(args.control.name, args);
}

}  // namespace ov::headless
