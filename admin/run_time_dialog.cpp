#include "admin/run_time_dialog.h"

#include <exception>

#include "admin/error_box.h"

namespace ov::admin {

namespace {

const char* roleName(EditRole role) {
  switch (role) {
    case EditRole::edit1:
      return "edit1";
    case EditRole::edit2:
      return "edit2";
    default:
      return "path";
  }
}

}  // namespace

RunTimeDialog::RunTimeDialog(ui::WindowSystem& windows, ui::Form& owner,
                             CurrentDialog& current, const ui::DialogArgs& args)
    : windows_(windows), owner_(owner), current_(current) {
  current_ = {};
  current_.window = &windows_.createDialog(owner_, args);
}

RunTimeDialog::~RunTimeDialog() { takeApart(); }

ui::Label& RunTimeDialog::label(int left, int top, const std::string& text,
                                const std::string& name) {
  // No size: the label takes its text's.
  return windows_.createLabel(
      window(), {.name = name, .bounds = {left, top, 0, 0}, .caption = text});
}

ui::Edit& RunTimeDialog::edit(EditRole role, ui::Rect bounds,
                              const std::string& text) {
  ui::Edit& box = windows_.createEdit(
      window(), {.bounds = bounds, .caption = text, .role = roleName(role)});
  switch (role) {
    case EditRole::edit1:
      current_.edit1 = &box;
      break;
    case EditRole::edit2:
      current_.edit2 = &box;
      break;
    case EditRole::path:
      current_.path = &box;
      break;
  }
  return box;
}

ui::Edit& RunTimeDialog::memo(ui::Rect bounds) {
  current_.memo =
      &windows_.createMemo(window(), {.bounds = bounds, .role = "memo"});
  return *current_.memo;
}

ui::SpinEdit& RunTimeDialog::spin(ui::Rect bounds, int minValue, int maxValue,
                                  int value, const std::string& hint) {
  current_.spin = &windows_.createSpinEdit(
      window(), {{.bounds = bounds, .hint = hint, .role = "spin"},
                 minValue,
                 maxValue,
                 1,
                 value});
  return *current_.spin;
}

ui::ComboBox& RunTimeDialog::combo(ui::Rect bounds,
                                   const std::vector<std::string>& items,
                                   int index, const std::string& hint) {
  current_.combo = &windows_.createComboBox(
      window(),
      {{.bounds = bounds, .hint = hint, .role = "combo"}, items, index});
  return *current_.combo;
}

ui::CheckBox& RunTimeDialog::check(ui::Rect bounds, const std::string& caption,
                                   bool checked, const std::string& hint) {
  current_.check = &windows_.createCheckBox(
      window(),
      {.bounds = bounds, .caption = caption, .hint = hint, .role = "check"},
      checked);
  return *current_.check;
}

ui::Button& RunTimeDialog::button(const std::string& name,
                                  const std::string& caption, ui::Rect bounds,
                                  ButtonAction action, bool closes) {
  ui::Button& made =
      windows_.createButton(window(), {name, bounds, caption, ""});
  made.onClick = [this, &made, action = std::move(action), closes] {
    try {
      if (action) action(made);
    } catch (const std::exception& error) {
      ShowErrorBox(windows_, owner_, error.what());
      return;
    }
    if (!closes || !current_.window) return;
    okResult_ = true;
    current_.window->end();
  };
  return made;
}

bool RunTimeDialog::showModal(const std::function<void()>& closed) {
  okResult_ = false;
  window().showModal();
  if (closed) closed();
  takeApart();
  return okResult_;
}

void RunTimeDialog::takeApart() {
  if (!current_.window) return;
  ui::Dialog* dialog = current_.window;
  current_ = {};
  windows_.destroyDialog(*dialog);
}

}  // namespace ov::admin
