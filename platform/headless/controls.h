#pragma once
// In-memory controls: each keeps its whole state, fires the same events a
// native control would, and can describe itself for the form dump. The
// Win32 controls derive from these and mirror the state into their windows.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace ov::headless {

class JsonObject;

// A text's width at an average character of the form's font: what the
// controls without a window take for it.
int estimatedTextWidth(std::string_view text);

// What every in-memory control can do besides its port interface.
class Describable {
 public:
  virtual ~Describable() = default;
  virtual const char* kind() const = 0;
  virtual const std::string& componentName() const = 0;
  // What a run-time dialog's handler reads the control as; empty elsewhere.
  virtual const std::string& role() const;
  virtual bool shownEnabled() const = 0;
  virtual bool shownVisible() const = 0;
  // Adds the kind-specific fields of the dump.
  virtual void describe(JsonObject& out) const = 0;
  // Adds where the control stands and its hint; menu items have neither.
  virtual void describePlace(JsonObject&) const {}
};

// "bounds": {"left", "top", "width", "height"} and "hint".
void describePlace(JsonObject& out, ui::Rect bounds, const std::string& hint);

// The state every control shares; Base is the port interface.
template <typename Base>
class ControlState : public Base, public Describable {
 public:
  explicit ControlState(const ui::ControlArgs& args)
      : name_(args.name),
        bounds_(args.bounds),
        hint_(args.hint),
        role_(args.role) {}
  const std::string& name() const override { return name_; }
  const std::string& componentName() const override { return name_; }
  const std::string& role() const override { return role_; }
  void setEnabled(bool enabled) override { enabled_ = enabled; }
  bool enabled() const override { return enabled_; }
  void setVisible(bool visible) override { visible_ = visible; }
  bool visible() const override { return visible_; }
  void setBounds(ui::Rect bounds) override { bounds_ = bounds; }
  ui::Rect bounds() const override { return bounds_; }
  const std::string& hint() const { return hint_; }
  bool shownEnabled() const override { return enabled_; }
  bool shownVisible() const override { return visible_; }
  void describePlace(JsonObject& out) const override {
    headless::describePlace(out, bounds(), hint_);
  }

 private:
  std::string name_;
  ui::Rect bounds_;
  std::string hint_;
  std::string role_;
  bool enabled_ = true;
  bool visible_ = true;
};

template <typename Base>
class CaptionedState : public ControlState<Base> {
 public:
  explicit CaptionedState(const ui::ControlArgs& args)
      : ControlState<Base>(args), caption_(args.caption) {}
  void setCaption(const std::string& caption) override { caption_ = caption; }
  const std::string& caption() const override { return caption_; }
  void describe(JsonObject& out) const override;

 private:
  std::string caption_;
};

class Form : public CaptionedState<ui::Form> {
 public:
  explicit Form(const ui::ControlArgs& args) : CaptionedState(args) {}
  const char* kind() const override { return "form"; }
  void describe(JsonObject& out) const override;
  void setWindowState(ui::WindowState state) override { state_ = state; }
  ui::WindowState windowState() const override { return state_; }
  void setMainMenu(ui::Menu& menu) override { mainMenu_ = &menu; }
  ui::Rect clientRect() const override;
  void setBounds(ui::Rect bounds) override;
  void setSmallestSize(int width, int height) override;
  void close() override;
  bool closed() const override { return closed_; }
  void closeBox() override;

 protected:
  ui::Rect withSmallestSize(ui::Rect bounds) const;
  ui::Point smallestSize() const { return smallest_; }

 private:
  ui::Point smallest_;
  bool closed_ = false;
  ui::WindowState state_ = ui::WindowState::normal;
  ui::Menu* mainMenu_ = nullptr;
};

class Page : public ControlState<ui::Container> {
 public:
  using ControlState::ControlState;
  const char* kind() const override { return "page"; }
  void describe(JsonObject&) const override {}
};

class Label : public CaptionedState<ui::Label> {
 public:
  // No size given (width and height 0): sized to its caption, estimated at
  // an average character of the form's font.
  explicit Label(const ui::ControlArgs& args);
  const char* kind() const override { return "label"; }
  // A link also shows its colour and underline.
  void describe(JsonObject& out) const override;
  void setLinkStyle(uint32_t color, bool underline) override;

 private:
  bool link_ = false;
  uint32_t color_ = 0;
  bool underline_ = false;
};

class AppIcon : public ControlState<ui::Control> {
 public:
  using ControlState::ControlState;
  const char* kind() const override { return "icon"; }
  void describe(JsonObject&) const override {}
};

class GroupBox : public CaptionedState<ui::GroupBox> {
 public:
  using CaptionedState::CaptionedState;
  const char* kind() const override { return "groupbox"; }
};

class Button : public CaptionedState<ui::Button> {
 public:
  using CaptionedState::CaptionedState;
  const char* kind() const override { return "button"; }
  void click() override;
};

class CheckBox : public CaptionedState<ui::CheckBox> {
 public:
  CheckBox(const ui::ControlArgs& args, bool checked)
      : CaptionedState(args), checked_(checked) {}
  const char* kind() const override { return "checkbox"; }
  void describe(JsonObject& out) const override;
  void setChecked(bool checked) override;
  bool checked() const override { return checked_; }

 private:
  bool checked_;
};

class Edit : public ControlState<ui::Edit> {
 public:
  explicit Edit(const ui::ControlArgs& args)
      : ControlState(args), text_(args.caption) {}
  const char* kind() const override { return "edit"; }
  void describe(JsonObject& out) const override;
  void setText(const std::string& text) override;
  const std::string& text() const override { return text_; }
  void keyPress(char key) override;
  void setReadOnly(bool readOnly) override { readOnly_ = readOnly; }

 private:
  std::string text_;
  bool readOnly_ = false;
};

// A multi-line edit box; the dump shows its lines besides the text.
class Memo : public Edit {
 public:
  using Edit::Edit;
  const char* kind() const override { return "memo"; }
  void describe(JsonObject& out) const override;
};

class SpinEdit : public ControlState<ui::SpinEdit> {
 public:
  explicit SpinEdit(const ui::SpinArgs& args);
  const char* kind() const override { return "spin"; }
  void describe(JsonObject& out) const override;
  void setValue(int value) override;
  int value() const override { return value_; }
  int minValue() const override { return min_; }
  int maxValue() const override { return max_; }

 private:
  int min_;
  int max_;
  int value_;
};

class HotKey : public ControlState<ui::HotKey> {
 public:
  HotKey(const ui::ControlArgs& args, uint16_t word)
      : ControlState(args), word_(word) {}
  const char* kind() const override { return "hotkey"; }
  void describe(JsonObject& out) const override;
  void setValue(uint16_t word) override;
  uint16_t value() const override { return word_; }
  // A combination the user presses into the field (modifiers 1 Alt, 2 Ctrl,
  // 4 Shift). The field takes no combination without a modifier or with
  // Shift alone: it puts Alt in its place.
  void press(unsigned modifiers, unsigned vk);

 private:
  uint16_t word_;
};

class ComboBox : public ControlState<ui::ComboBox> {
 public:
  explicit ComboBox(const ui::ItemsArgs& args);
  const char* kind() const override { return "combo"; }
  void describe(JsonObject& out) const override;
  const std::vector<std::string>& items() const override { return items_; }
  void setItemIndex(int index) override;
  int itemIndex() const override { return index_; }
  void setText(const std::string& text) override;
  const std::string& text() const override { return text_; }
  void addItem(const std::string& item) override { items_.push_back(item); }

 private:
  std::vector<std::string> items_;
  int index_;
  std::string text_;
};

class RadioGroup : public ControlState<ui::RadioGroup> {
 public:
  explicit RadioGroup(const ui::ItemsArgs& args);
  const char* kind() const override { return "radiogroup"; }
  void describe(JsonObject& out) const override;
  const std::string& caption() const override { return caption_; }
  const std::vector<std::string>& items() const override { return items_; }
  void setItemIndex(int index) override;
  int itemIndex() const override { return index_; }

 private:
  std::string caption_;
  std::vector<std::string> items_;
  int index_;
};

// A control with a context menu, which the runner can open over it.
class WithPopupMenu {
 public:
  ui::Menu* popupMenu() const { return popup_; }

 protected:
  void keepPopupMenu(ui::Menu* menu) { popup_ = menu; }

 private:
  ui::Menu* popup_ = nullptr;
};

class ListBox : public ControlState<ui::ListBox>, public WithPopupMenu {
 public:
  using ControlState::ControlState;
  const char* kind() const override { return "listbox"; }
  void describe(JsonObject& out) const override;
  void addItem(const std::string& text) override;
  void deleteItem(int index) override;
  void clear() override;
  int count() const override { return static_cast<int>(items_.size()); }
  const std::string& item(int index) const override;
  int selected() const override { return selected_; }
  void setSelected(int index) override;
  void setPopupMenu(ui::Menu* menu) override { keepPopupMenu(menu); }

 private:
  std::vector<std::string> items_;
  int selected_ = -1;
};

class ListView : public ControlState<ui::ListView>, public WithPopupMenu {
 public:
  explicit ListView(const ui::ListViewArgs& args);
  const char* kind() const override { return "listview"; }
  void describe(JsonObject& out) const override;
  void setColumns(const std::vector<ui::ListColumn>& columns) override;
  const std::vector<ui::ListColumn>& columns() const override {
    return columns_;
  }
  void setColumnWidth(int column, int width) override;
  int addItem(const ui::ListItem& item) override;
  void setItem(int index, const ui::ListItem& item) override;
  void deleteItem(int index) override;
  void clear() override;
  int count() const override { return static_cast<int>(items_.size()); }
  const ui::ListItem& item(int index) const override;
  int selected() const override { return selected_; }
  void setSelected(int index) override;
  void setChecked(int index, bool checked) override;
  void scrollLineDown() override { ++scrolledLines_; }
  void setPopupMenu(ui::Menu* menu) override { keepPopupMenu(menu); }
  int scrolledLines() const { return scrolledLines_; }

 private:
  std::vector<ui::ListColumn> columns_;
  std::vector<ui::ListItem> items_;
  bool checkBoxes_;
  bool sorted_;
  int selected_ = -1;
  int scrolledLines_ = 0;
};

class StringGrid : public ControlState<ui::StringGrid>, public WithPopupMenu {
 public:
  explicit StringGrid(const ui::GridArgs& args);
  const char* kind() const override { return "grid"; }
  void describe(JsonObject& out) const override;
  int colCount() const override { return static_cast<int>(widths_.size()); }
  void setRowCount(int rows) override;
  int rowCount() const override { return static_cast<int>(cells_.size()); }
  void setCell(int col, int row, const std::string& text) override;
  const std::string& cell(int col, int row) const override;
  void setColWidth(int col, int width) override;
  int colWidth(int col) const override;
  int selectedRow() const override { return selectedRow_; }
  void setSelectedRow(int row) override;
  void setPopupMenu(ui::Menu* menu) override { keepPopupMenu(menu); }
  // No rows scrolled away; the grid's place stands for the screen.
  std::optional<ui::GridCell> cellAt(ui::Point client) const override;
  // An average character of the form's font.
  int textWidth(const std::string& text) const override;
  ui::Point clientToScreen(ui::Point client) const override;

 private:
  std::vector<int> widths_;
  std::vector<std::vector<std::string>> cells_;  // [row][col]
  int selectedRow_ = 1;
};

// The dump shows where it stands and its text while it is shown.
class ToolTip : public ui::ToolTip, public Describable {
 public:
  explicit ToolTip(std::string name) : name_(std::move(name)) {}
  const char* kind() const override { return "hint"; }
  const std::string& componentName() const override { return name_; }
  bool shownEnabled() const override { return true; }
  bool shownVisible() const override { return shown_; }
  void describe(JsonObject& out) const override;
  void showAt(ui::Point screen, const std::string& text) override;
  void hide() override { shown_ = false; }

 private:
  std::string name_;
  std::string text_;
  ui::Point place_;
  bool shown_ = false;
};

class PageControl : public ControlState<ui::PageControl> {
 public:
  explicit PageControl(const ui::PageArgs& args);
  const char* kind() const override { return "pages"; }
  void describe(JsonObject& out) const override;
  int pageCount() const override { return static_cast<int>(pages_.size()); }
  ui::Container& page(int index) override;
  const std::string& pageCaption(int index) const override;
  // The pages take the display area inside the tabs.
  void setBounds(ui::Rect bounds) override;
  int activePage() const override { return active_; }
  void setActivePage(int index) override;

 private:
  std::vector<std::string> captions_;
  std::vector<std::unique_ptr<Page>> pages_;
  int active_ = 0;
};

class StatusBar : public ControlState<ui::StatusBar> {
 public:
  explicit StatusBar(const ui::StatusBarArgs& args);
  const char* kind() const override { return "statusbar"; }
  void describe(JsonObject& out) const override;
  int panelCount() const override { return static_cast<int>(texts_.size()); }
  void setPanelText(int panel, const std::string& text) override;
  const std::string& panelText(int panel) const override;

 private:
  std::vector<std::string> texts_;
};

class MenuItem : public ui::MenuItem, public Describable {
 public:
  explicit MenuItem(const ui::MenuItemArgs& args);
  const char* kind() const override { return "menuitem"; }
  const std::string& componentName() const override { return name_; }
  bool shownEnabled() const override { return enabled_; }
  bool shownVisible() const override { return true; }
  void describe(JsonObject& out) const override;
  const std::string& name() const override { return name_; }
  void setCaption(const std::string& caption) override { caption_ = caption; }
  const std::string& caption() const override { return caption_; }
  void setChecked(bool checked) override { checked_ = checked; }
  bool checked() const override { return checked_; }
  void setEnabled(bool enabled) override { enabled_ = enabled; }
  bool enabled() const override { return enabled_; }
  void click() override;
  // The component name of the menu or item it belongs to, and its position
  // there.
  void setPlace(std::string parent, int index) {
    parent_ = std::move(parent);
    index_ = index;
  }
  const std::string& parent() const { return parent_; }
  // As shown beside the caption: "Ctrl+S", "F3", or empty.
  const std::string& shortcut() const { return shortcut_; }

 private:
  std::string name_;
  std::string caption_;
  std::string shortcut_;
  bool isDefault_;
  bool checked_;
  bool enabled_ = true;
  std::string parent_;
  int index_ = 0;
};

}  // namespace ov::headless
