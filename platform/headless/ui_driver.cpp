#include "platform/headless/ui_driver.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string_view>

#include "platform/headless/recording_tray.h"

namespace ov::headless {

namespace {

// The main page control the "ui page" verb switches.
constexpr const char* kMainPages = "stranichki";

int number(const std::string& text) {
  return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

template <typename T>
T* as(Describable* control) {
  return dynamic_cast<T*>(control);
}

struct VerbShape {
  std::string_view verb;
  std::size_t fields;  // the verb itself counted
};

constexpr VerbShape kVerbs[] = {
    {"page", 2},        {"answer", 2}, {"click", 2},    {"popup", 2},
    {"check", 3},       {"text", 3},   {"key", 2},      {"spin", 3},
    {"combo", 3},       {"radio", 3},  {"select", 3},   {"close", 1},
    {"tray", 2},        {"hotkey", 2}, {"dialog", 2},   {"hover", 3},
    {"dblclick", 2},    {"resize", 3}, {"minimize", 1}, {"restore", 1},
    {"hotkey-field", 4}};

// The verbs that act on the window itself rather than on a control.
bool isWindowVerb(const std::string& verb) {
  return verb == "close" || verb == "resize" || verb == "minimize" ||
         verb == "restore";
}

constexpr char kMainForm[] = "Form1";

// Text typed into a combo box's edit field, as a user types it.
void typeInto(ui::ComboBox& combo, const std::string& text) {
  combo.setText(text);
  if (combo.onChange) combo.onChange();
}

// Text typed into a dialog's edit or memo: "\r", "\n" and "\\" stand for a
// carriage return, a line feed and one backslash; any other backslash is
// itself.
std::string typedText(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (text[i] == '\\' && (next == 'r' || next == 'n' || next == '\\')) {
      out += next == 'r' ? '\r' : next == 'n' ? '\n' : '\\';
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

ui::Menu* popupMenuOf(Describable* control) {
  auto* owner = dynamic_cast<WithPopupMenu*>(control);
  return owner ? owner->popupMenu() : nullptr;
}

}  // namespace

std::string UiDriver::check(const std::vector<std::string>& args) const {
  if (args.empty()) return "ui needs a sub-verb";
  const std::string& verb = args[0];
  const auto shape = std::ranges::find(kVerbs, verb, &VerbShape::verb);
  if (shape == std::end(kVerbs)) return "no user verb 'ui " + verb + "'";
  if (args.size() < shape->fields) return "'ui " + verb + "' needs more fields";
  if (verb == "page") {
    auto* pages = as<ui::PageControl>(registry_.find(kMainPages));
    if (!pages) return "the form has no page control";
    const int index = number(args.at(1));
    if (index < 0 || index >= pages->pageCount())
      return "no page " + args.at(1);
    return "";
  }
  if (verb == "answer") return "";
  // The reader checked the dialog verbs' shape; a dialog opens only later.
  if (verb == "dialog") return "";
  if (verb == "hotkey") return "";
  if (isWindowVerb(verb))
    return as<ui::Form>(registry_.find(kMainForm)) ? ""
                                                   : "the form has no window";
  // A key pressed in the window: a menu shortcut or a hot key, whichever
  // the form has when it comes.
  if (verb == "key" && args.size() == 2) return "";
  if (verb == "tray") {
    if (args[1] == "dblclick") return "";
    if (args[1] != "menu") return "no tray action '" + args[1] + "'";
    if (args.size() < 3) return "'ui tray menu' needs more fields";
    if (!as<ui::MenuItem>(registry_.find(args[2])))
      return "no menu item named '" + args[2] + "'";
    return "";
  }
  Describable* control = registry_.find(args.at(1));
  // The pointer may go over a dialog's control, which exists only once the
  // dialog is open.
  if (!control && verb == "hover") return "";
  if (!control) return "no control named '" + args[1] + "'";
  const bool fits =
      (verb == "click" &&
       (as<ui::Button>(control) || as<ui::MenuItem>(control) ||
        as<ui::CheckBox>(control))) ||
      (verb == "popup" && popupMenuOf(control)) ||
      (verb == "check" && args.size() == 3 && as<ui::CheckBox>(control)) ||
      (verb == "check" && args.size() == 4 && as<ui::ListView>(control)) ||
      (verb == "text" &&
       (as<ui::Edit>(control) || as<ui::ComboBox>(control))) ||
      (verb == "key" && as<ui::Edit>(control)) ||
      (verb == "dblclick" &&
       (as<ui::Edit>(control) || as<ui::ListView>(control) ||
        as<ui::StringGrid>(control))) ||
      (verb == "hotkey-field" && as<HotKey>(control)) ||
      (verb == "combo" && as<ui::ComboBox>(control)) ||
      (verb == "radio" && as<ui::RadioGroup>(control)) ||
      (verb == "spin" && as<ui::SpinEdit>(control)) ||
      (verb == "hover" && (as<ui::StringGrid>(control) ||
                           as<ui::Image>(control) || as<ui::Label>(control))) ||
      (verb == "select" &&
       (as<ui::StringGrid>(control) || as<ui::ListBox>(control) ||
        as<ui::ListView>(control)));
  if (!fits) return "'" + args[1] + "' cannot take 'ui " + verb + "'";
  return "";
}

std::string UiDriver::applyDialog(const std::vector<std::string>& args) {
  Dialog* dialog = windows_.shownDialog();
  if (!dialog) return "'ui dialog': no dialog is open";
  const std::string& what = args.at(1);
  if (what == "close") {
    dialog->closeBox();
    return "";
  }
  if (what == "click") {
    if (auto* button = dialog->captioned<ui::Button>(args.at(2))) {
      button->click();
    } else if (auto* link = dialog->captioned<ui::Label>(args[2])) {
      if (link->onClick) link->onClick();
    } else {
      return "the dialog has no button or label '" + args[2] + "'";
    }
    return "";
  }
  Describable* control = dialog->withRole(what);
  if (!control) return "the dialog has no " + what + " control";
  const std::string& text = args.at(2);
  const bool escaped = what == "memo" || what == "edit1" || what == "edit2";
  if (auto* edit = as<ui::Edit>(control))
    edit->setText(escaped ? typedText(text) : text);
  if (auto* spin = as<ui::SpinEdit>(control)) spin->setValue(number(text));
  if (auto* box = as<ui::CheckBox>(control)) box->setChecked(text == "1");
  if (auto* combo = as<ui::ComboBox>(control)) typeInto(*combo, text);
  return "";
}

std::string UiDriver::apply(const std::vector<std::string>& args) {
  const std::string& verb = args.at(0);
  if (verb == "dialog") return applyDialog(args);
  if (verb == "page") {
    as<ui::PageControl>(registry_.find(kMainPages))
        ->setActivePage(number(args.at(1)));
    return "";
  }
  if (verb == "answer") {
    windows_.queueAnswer(args.at(1));
    return "";
  }
  if (isWindowVerb(verb)) {
    applyWindow(args);
    return "";
  }
  if (verb == "key" && args.size() == 2) return applyKey(args[1]);
  if (verb == "tray") {
    applyTray(args);
    return "";
  }
  if (verb == "hotkey") {
    if (notices_.hotKeys && notices_.hotKeys->onHotKey)
      notices_.hotKeys->onHotKey(number(args.at(1)));
    return "";
  }
  Describable* control = registry_.find(args.at(1));
  if (verb == "popup") {
    // The right button selects the data row it goes down over.
    if (args.size() > 2) {
      const int row = number(args[2]);
      auto* grid = as<ui::StringGrid>(control);
      if (grid && row >= 1 && row < grid->rowCount()) grid->setSelectedRow(row);
    }
    popupMenuOf(control)->setPopupComponent(as<ui::Control>(control));
  } else if (verb == "click") {
    if (auto* button = as<ui::Button>(control)) button->click();
    if (auto* item = as<ui::MenuItem>(control)) item->click();
    if (auto* box = as<ui::CheckBox>(control)) box->setChecked(!box->checked());
  } else if (verb == "check" && args.size() == 4) {
    const int row = number(args[2]);
    auto* view = as<ui::ListView>(control);
    if (row >= view->count()) return "'" + args[1] + "' has no row " + args[2];
    view->setChecked(row, args[3] == "1");
  } else if (verb == "check") {
    as<ui::CheckBox>(control)->setChecked(args.at(2) == "1");
  } else if (verb == "dblclick") {
    applyDblClick(control, args);
  } else if (verb == "hotkey-field") {
    as<HotKey>(control)->press(*keyModifiers(args.at(2)), *keyCode(args.at(3)));
  } else if (verb == "text") {
    if (auto* edit = as<ui::Edit>(control)) edit->setText(args.at(2));
    if (auto* combo = as<ui::ComboBox>(control)) typeInto(*combo, args.at(2));
  } else if (verb == "combo") {
    auto* combo = as<ui::ComboBox>(control);
    combo->setItemIndex(number(args.at(2)));
    if (combo->onChange) combo->onChange();
  } else if (verb == "radio") {
    auto* radio = as<ui::RadioGroup>(control);
    radio->setItemIndex(number(args.at(2)));
    if (radio->onClick) radio->onClick();
  } else if (verb == "key") {
    const std::string& key = args.at(2);
    as<ui::Edit>(control)->keyPress(key == "enter" ? '\r' : key.at(0));
  } else if (verb == "spin") {
    as<ui::SpinEdit>(control)->setValue(number(args.at(2)));
  } else if (verb == "hover") {
    Dialog* dialog = windows_.shownDialog();
    if (!control && dialog) control = dialog->store().registry().find(args[1]);
    if (!control)
      return "'ui hover': no control named '" + args[1] +
             "' on the form or in an open dialog";
    applyHover(control, args);
  } else if (verb == "select") {
    const int row = number(args.at(2));
    if (auto* grid = as<ui::StringGrid>(control)) grid->setSelectedRow(row);
    if (auto* list = as<ui::ListBox>(control)) list->setSelected(row);
    if (auto* view = as<ui::ListView>(control)) view->setSelected(row);
  }
  return "";
}

void UiDriver::applyHover(Describable* control,
                          const std::vector<std::string>& args) {
  auto* label = as<ui::Label>(control);
  // Leaving tells a grid or an image nothing: the pointer is just
  // elsewhere. A label hears of it.
  if (args.at(2) == "leave") {
    windows_.setCursorPos({-100000, -100000});
    if (label && label->onMouseLeave) label->onMouseLeave();
    return;
  }
  if (label) {
    if (label->onMouseEnter) label->onMouseEnter();
    return;
  }
  const ui::Point client{number(args.at(2)), number(args.at(3))};
  if (auto* grid = as<ui::StringGrid>(control)) {
    windows_.setCursorPos(grid->clientToScreen(client));
    if (grid->onMouseMove) grid->onMouseMove(client);
  } else if (auto* image = as<ui::Image>(control)) {
    windows_.setCursorPos(image->clientToScreen(client));
    if (image->onMouseMove) image->onMouseMove(client);
  }
}

void UiDriver::applyWindow(const std::vector<std::string>& args) {
  auto* form = as<ui::Form>(registry_.find(kMainForm));
  const std::string& verb = args.at(0);
  if (verb == "close") {
    form->closeBox();
  } else if (verb == "resize") {
    ui::Rect bounds = form->bounds();
    bounds.width = number(args.at(1));
    bounds.height = number(args.at(2));
    form->setBounds(bounds);
  } else {
    // The minimise box and the restore command go through the system
    // command first, as the close box does.
    const bool minimize = verb == "minimize";
    const unsigned command =
        minimize ? ui::kSysCommandMinimize : ui::kSysCommandRestore;
    if (form->onSysCommand && form->onSysCommand(command)) return;
    form->setWindowState(minimize ? ui::WindowState::minimized
                                  : ui::WindowState::normal);
  }
}

std::string UiDriver::applyKey(const std::string& key) {
  const std::optional<KeyCombo> pressed = keyCombo(key);
  // A registered hot key reaches the program wherever it is pressed.
  if (notices_.hotKeyFor && notices_.hotKeys && notices_.hotKeys->onHotKey)
    if (const auto id = notices_.hotKeyFor(*pressed)) {
      notices_.hotKeys->onHotKey(*id);
      return "";
    }
  const auto* form = as<ui::Form>(registry_.find(kMainForm));
  if (!form || form->windowState() == ui::WindowState::hidden ||
      form->windowState() == ui::WindowState::minimized)
    return "'ui key " + key + "': the window is not shown";
  for (const auto& [name, control] : registry_.all()) {
    auto* item = dynamic_cast<MenuItem*>(control);
    if (item && !item->shortcut().empty() &&
        keyCombo(item->shortcut()) == pressed) {
      if (item->enabled()) item->click();
      return "";
    }
  }
  return "";
}

void UiDriver::applyDblClick(Describable* control,
                             const std::vector<std::string>& args) {
  // The first click of the two selects the row under the pointer.
  const std::optional<int> row =
      args.size() > 2 ? std::optional<int>(number(args[2])) : std::nullopt;
  if (auto* grid = as<ui::StringGrid>(control)) {
    if (row) grid->setSelectedRow(*row);
    if (grid->onDblClick) grid->onDblClick();
  } else if (auto* view = as<ui::ListView>(control)) {
    if (row) view->setSelected(*row);
    if (view->onDblClick) view->onDblClick();
  } else if (auto* edit = as<ui::Edit>(control)) {
    if (edit->onDblClick) edit->onDblClick();
  }
}

void UiDriver::systemEvent(const std::string& what) {
  if (what == "tray") {
    // The recording shell forgets its icon as a restarted shell does.
    if (auto* recording = dynamic_cast<RecordingTray*>(notices_.tray))
      recording->restartShell();
    else if (notices_.tray && notices_.tray->onTaskbarCreated)
      notices_.tray->onTaskbarCreated();
  } else if (auto* form = as<ui::Form>(registry_.find(kMainForm))) {
    // The end of the session runs the close query, as the main menu's exit.
    form->close();
  }
}

void UiDriver::applyTray(const std::vector<std::string>& args) {
  if (args.at(1) == "menu") {
    as<ui::MenuItem>(registry_.find(args.at(2)))->click();
  } else if (notices_.tray && notices_.tray->onDoubleClick) {
    notices_.tray->onDoubleClick();
  }
}

}  // namespace ov::headless
