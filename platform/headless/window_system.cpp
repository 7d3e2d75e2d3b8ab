#include "platform/headless/window_system.h"

#include <algorithm>

#include "platform/headless/image.h"
#include "platform/headless/json_object.h"

namespace ov::headless {

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
  menus_.push_back(std::make_unique<Menu>(name, registry()));
  return *menus_.back();
}

ui::Label& WindowSystem::createLabel(ui::Container& parent,
                                     const ui::ControlArgs& args) {
  return makeOn<Label>(parent, args.name, args);
}

ui::GroupBox& WindowSystem::createGroupBox(ui::Container& parent,
                                           const ui::ControlArgs& args) {
  return makeOn<GroupBox>(parent, args.name, args);
}

ui::Button& WindowSystem::createButton(ui::Container& parent,
                                       const ui::ControlArgs& args) {
  return makeOn<Button>(parent, args.name, args);
}

ui::CheckBox& WindowSystem::createCheckBox(ui::Container& parent,
                                           const ui::ControlArgs& args,
                                           bool checked) {
  return makeOn<CheckBox>(parent, args.name, args, checked);
}

ui::Edit& WindowSystem::createEdit(ui::Container& parent,
                                   const ui::ControlArgs& args) {
  return makeOn<Edit>(parent, args.name, args);
}

ui::SpinEdit& WindowSystem::createSpinEdit(ui::Container& parent,
                                           const ui::SpinArgs& args) {
  return makeOn<SpinEdit>(parent, args.control.name, args);
}

ui::HotKey& WindowSystem::createHotKey(ui::Container& parent,
                                       const ui::ControlArgs& args,
                                       uint16_t word) {
  return makeOn<HotKey>(parent, args.name, args, word);
}

ui::ComboBox& WindowSystem::createComboBox(ui::Container& parent,
                                           const ui::ItemsArgs& args) {
  return makeOn<ComboBox>(parent, args.control.name, args);
}

ui::RadioGroup& WindowSystem::createRadioGroup(ui::Container& parent,
                                               const ui::ItemsArgs& args) {
  return makeOn<RadioGroup>(parent, args.control.name, args);
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

std::optional<std::string> WindowSystem::takeAnswer() {
  if (answers_.empty()) return std::nullopt;
  std::string answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::optional<std::string> WindowSystem::inputBox(const std::string& caption,
                                                  const std::string& prompt,
                                                  const std::string&) {
  std::optional<std::string> answer = takeAnswer();
  if (journal_)
    journal_->write(
        "InputBox",
        {caption, prompt, answer ? JournalArg(*answer) : JournalArg(nullptr)});
  return answer;
}

std::optional<std::string> WindowSystem::browseForFolder(
    const std::string& caption, const std::string& start) {
  if (journal_) journal_->write("BrowseForFolder", {caption, start});
  return takeAnswer();
}

ui::ListBox& WindowSystem::createListBox(ui::Container& parent,
                                         const ui::ControlArgs& args) {
  return makeOn<ListBox>(parent, args.name, args);
}

ui::ListView& WindowSystem::createListView(ui::Container& parent,
                                           const ui::ListViewArgs& args) {
  return makeOn<ListView>(parent, args.control.name, args);
}

ui::StringGrid& WindowSystem::createStringGrid(ui::Container& parent,
                                               const ui::GridArgs& args) {
  return makeOn<StringGrid>(parent, args.control.name, args);
}

ui::PageControl& WindowSystem::createPageControl(ui::Container& parent,
                                                 const ui::PageArgs& args) {
  return makeOn<PageControl>(parent, args.control.name, args);
}

ui::StatusBar& WindowSystem::createStatusBar(ui::Form& parent,
                                             const ui::StatusBarArgs& args) {
  return makeOn<StatusBar>(parent, args.control.name, args);
}

}  // namespace ov::headless

namespace ov::headless {

ui::Edit& WindowSystem::createMemo(ui::Container& parent,
                                   const ui::ControlArgs& args) {
  return makeOn<Memo>(parent, args.name, args);
}

ui::Dialog& WindowSystem::createDialog(ui::Form& owner,
                                       const ui::DialogArgs& args) {
  return keepDialog(std::make_unique<Dialog>(args, onModal, owner.bounds()));
}

ui::Control& WindowSystem::createAppIcon(ui::Container& parent,
                                         const ui::ControlArgs& args) {
  return makeOn<AppIcon>(parent, args.name, args);
}

ui::Image& WindowSystem::createImage(ui::Container& parent,
                                     const ui::ControlArgs& args) {
  return makeOn<Image>(parent, args.name, args);
}

ui::ToolTip* WindowSystem::createToolTip(ui::StringGrid& owner) {
  if (refuseToolTips) return nullptr;
  const std::string name = owner.name() + "_hint";
  return &make<ToolTip>(name, name);
}

Dialog& WindowSystem::keepDialog(std::unique_ptr<Dialog> dialog) {
  dialogs_.push_back(std::move(dialog));
  return *dialogs_.back();
}

void WindowSystem::destroyDialog(ui::Dialog& dialog) {
  std::erase_if(dialogs_,
                [&dialog](const auto& kept) { return kept.get() == &dialog; });
}

Dialog* WindowSystem::shownDialog() const {
  for (auto it = dialogs_.rbegin(); it != dialogs_.rend(); ++it)
    if ((*it)->shown()) return it->get();
  return nullptr;
}

std::string WindowSystem::dump() const {
  std::string all = form_.registry().dump();
  if (Dialog* dialog = shownDialog()) {
    JsonObject entry;
    entry.add("kind", dialog->kind());
    describeControl(entry, *dialog);
    all.insert(all.size() - 1, (all.size() > 2 ? ", " : "") +
                                   std::string("\"dialog\": ") + entry.text());
  }
  return all;
}

}  // namespace ov::headless
