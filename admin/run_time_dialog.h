#pragma once
// A tool dialog assembled in code: built over the main window, shown
// modally, and taken apart when it closes. While it is open, the current
// dialog references point at its controls, so that the button handler can
// read them.
#include <functional>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace ov::admin {

// The controls of the run-time dialog that is open; null where the open
// dialog has none, and all null when no dialog is open.
struct CurrentDialog {
  ui::Dialog* window = nullptr;
  ui::Edit* edit1 = nullptr;  // share name, sender
  ui::Edit* edit2 = nullptr;  // share comment, ping timeout
  ui::Edit* path = nullptr;
  ui::SpinEdit* spin = nullptr;
  ui::ComboBox* combo = nullptr;
  ui::Edit* memo = nullptr;
  ui::CheckBox* check = nullptr;
};

enum class EditRole { edit1, edit2, path };

// What a button does when clicked; an exception it throws is shown in an
// error box and the dialog stays open.
using ButtonAction = std::function<void(ui::Button&)>;

class RunTimeDialog {
 public:
  RunTimeDialog(ui::WindowSystem& windows, ui::Form& owner,
                CurrentDialog& current, const ui::DialogArgs& args);
  ~RunTimeDialog();
  RunTimeDialog(const RunTimeDialog&) = delete;
  RunTimeDialog& operator=(const RunTimeDialog&) = delete;

  ui::Dialog& window() { return *current_.window; }
  ui::Label& label(int left, int top, const std::string& text,
                   const std::string& name = "");
  ui::Edit& edit(EditRole role, ui::Rect bounds, const std::string& text = "");
  ui::Edit& memo(ui::Rect bounds);
  ui::SpinEdit& spin(ui::Rect bounds, int minValue, int maxValue, int value,
                     const std::string& hint = "");
  ui::ComboBox& combo(ui::Rect bounds, const std::vector<std::string>& items,
                      int index, const std::string& hint = "");
  ui::CheckBox& check(ui::Rect bounds, const std::string& caption, bool checked,
                      const std::string& hint = "");
  // closes: the button carries the OK result, so the dialog closes once
  // its click has been handled.
  ui::Button& button(const std::string& name, const std::string& caption,
                     ui::Rect bounds, ButtonAction action, bool closes);

  // Shows the dialog modally, runs closed (its controls still there), then
  // takes it apart and clears the current dialog references. Returns
  // whether an OK button closed it.
  bool showModal(const std::function<void()>& closed = {});

 private:
  void takeApart();

  ui::WindowSystem& windows_;
  ui::Form& owner_;
  CurrentDialog& current_;
  bool okResult_ = false;
};

}  // namespace ov::admin
