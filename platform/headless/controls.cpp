#include "platform/headless/controls.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "platform/headless/grid_layout.h"
#include "platform/headless/json_object.h"
#include "platform/hot_key_word.h"
#include "platform/text/upper_case.h"
#include "platform/text/utf8.h"

namespace ov::headless {

namespace {

const std::string kEmpty;

// Text widths are estimated at an average character of the form's font.
constexpr int kAverageCharWidth = 6;
constexpr int kLineHeight = 13;

int charCount(std::string_view utf8) {
  return static_cast<int>(utf8Length(utf8));
}

}  // namespace

int estimatedTextWidth(std::string_view text) {
  return charCount(text) * kAverageCharWidth;
}

namespace {

// A colour as the dump writes it: RRGGBB.
std::string colorText(uint32_t color) {
  char text[8];
  std::snprintf(text, sizeof text, "%06X", color & 0xFFFFFFu);
  return text;
}

void selectedIndex(JsonObject& out, int index) {
  if (index < 0)
    out.addNull("selected");
  else
    out.add("selected", index);
}

// A deleted selected item leaves no selection, as the native lists do; the
// items after a deleted one move up.
int selectionAfterDelete(int selected, int deleted) {
  if (selected == deleted) return -1;
  return selected > deleted ? selected - 1 : selected;
}

const char* stateText(ui::WindowState state) {
  switch (state) {
    case ui::WindowState::minimized:
      return "minimized";
    case ui::WindowState::hidden:
      return "hidden";
    default:
      return "normal";
  }
}

// Title bar and borders of the window the form stands for.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 46;

}  // namespace

template <typename Base>
void CaptionedState<Base>::describe(JsonObject& out) const {
  out.add("caption", caption_);
}

template class CaptionedState<ui::Form>;
template class CaptionedState<ui::Label>;
template class CaptionedState<ui::GroupBox>;
template class CaptionedState<ui::Button>;
template class CaptionedState<ui::CheckBox>;

void Form::describe(JsonObject& out) const {
  CaptionedState::describe(out);
  out.add("state", stateText(state_));
  out.add("width", bounds().width);
  out.add("height", bounds().height);
}

ui::Rect Form::clientRect() const {
  const ui::Rect outer = bounds();
  return {0, 0, std::max(0, outer.width - kFrameWidth),
          std::max(0, outer.height - kFrameHeight)};
}

void Form::setSmallestSize(int width, int height) {
  smallest_ = {width, height};
  setBounds(bounds());
}

ui::Rect Form::withSmallestSize(ui::Rect bounds) const {
  bounds.width = std::max(bounds.width, smallest_.x);
  bounds.height = std::max(bounds.height, smallest_.y);
  return bounds;
}

void Form::setBounds(ui::Rect bounds) {
  bounds = withSmallestSize(bounds);
  const ui::Rect old = this->bounds();
  ControlState::setBounds(bounds);
  if ((old.width != bounds.width || old.height != bounds.height) && onResize)
    onResize();
}

void Form::close() {
  if (closed_) return;
  if (onCloseQuery && !onCloseQuery()) return;
  closed_ = true;
  setWindowState(ui::WindowState::hidden);
}

void Form::closeBox() {
  if (onSysCommand && onSysCommand(ui::kSysCommandClose)) return;
  close();
}

void Button::click() {
  if (onClick) onClick();
}

void CheckBox::describe(JsonObject& out) const {
  CaptionedState::describe(out);
  out.add("checked", checked_);
}

void CheckBox::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (onClick) onClick();
}

const std::string& Describable::role() const { return kEmpty; }

namespace {

ui::Rect sizedToText(ui::Rect bounds, std::string_view text) {
  if (bounds.width != 0 || bounds.height != 0) return bounds;
  int lines = 0;
  int longest = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    longest = std::max(longest, charCount(text.substr(0, end)));
    ++lines;
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  bounds.width = kAverageCharWidth * longest;
  bounds.height = kLineHeight * std::max(lines, 1);
  return bounds;
}

ui::ControlArgs sizedLabel(ui::ControlArgs args) {
  args.bounds = sizedToText(args.bounds, args.caption);
  return args;
}

}  // namespace

Label::Label(const ui::ControlArgs& args) : CaptionedState(sizedLabel(args)) {}

void Label::describe(JsonObject& out) const {
  CaptionedState::describe(out);
  if (!link_) return;
  out.add("color", colorText(color_));
  out.add("underline", underline_);
}

void Label::setLinkStyle(uint32_t color, bool underline) {
  link_ = true;
  color_ = color;
  underline_ = underline;
}

void Edit::describe(JsonObject& out) const {
  out.add("text", text_);
  if (readOnly_) out.add("readOnly", true);
}

void Memo::describe(JsonObject& out) const {
  Edit::describe(out);
  std::vector<std::string> lines;
  std::string_view rest = text();
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  out.add("lines", lines);
}

void Edit::setText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  if (onChange) onChange();
}

void Edit::keyPress(char key) {
  if (onKeyPress) onKeyPress(key);
}

SpinEdit::SpinEdit(const ui::SpinArgs& args)
    : ControlState(args.control),
      min_(args.minValue),
      max_(args.maxValue),
      value_(std::clamp(args.value, args.minValue, args.maxValue)) {}

void SpinEdit::describe(JsonObject& out) const { out.add("value", value_); }

void SpinEdit::setValue(int value) {
  value = std::clamp(value, min_, max_);
  if (value == value_) return;
  value_ = value;
  if (onChange) onChange();
}

void describePlace(JsonObject& out, ui::Rect bounds, const std::string& hint) {
  JsonObject place;
  place.add("left", bounds.left);
  place.add("top", bounds.top);
  place.add("width", bounds.width);
  place.add("height", bounds.height);
  out.addRaw("bounds", place.text());
  out.add("hint", hint);
}

void HotKey::describe(JsonObject& out) const { out.add("value", word_); }

void HotKey::setValue(uint16_t word) {
  if (word == word_) return;
  word_ = word;
  if (onChange) onChange();
}

void HotKey::press(unsigned modifiers, unsigned vk) {
  if ((modifiers & (kModAlt | kModCtrl)) == 0) modifiers = kModAlt;
  uint16_t word = static_cast<uint16_t>(vk & 0xFF);
  if (modifiers & kModAlt) word |= kHotKeyWordAlt;
  if (modifiers & kModCtrl) word |= kHotKeyWordCtrl;
  if (modifiers & kModShift) word |= kHotKeyWordShift;
  setValue(word);
}

ComboBox::ComboBox(const ui::ItemsArgs& args)
    : ControlState(args.control), items_(args.items), index_(-1) {
  setItemIndex(args.index);
}

void ComboBox::describe(JsonObject& out) const {
  out.add("text", text_);
  out.add("items", items_);
  out.add("index", index_);
}

void ComboBox::setItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  index_ = index;
  text_ = index < 0 ? std::string() : items_[index];
}

void ComboBox::setText(const std::string& text) {
  const auto it = std::find(items_.begin(), items_.end(), text);
  index_ = it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
  text_ = text;
}

RadioGroup::RadioGroup(const ui::ItemsArgs& args)
    : ControlState(args.control),
      caption_(args.control.caption),
      items_(args.items),
      index_(args.index >= 0 && args.index < static_cast<int>(args.items.size())
                 ? args.index
                 : -1) {}

void RadioGroup::describe(JsonObject& out) const {
  out.add("caption", caption_);
  out.add("items", items_);
  out.add("index", index_);
}

void RadioGroup::setItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  index_ = index;
}

void ListBox::describe(JsonObject& out) const {
  out.add("items", items_);
  selectedIndex(out, selected_);
}

void ListBox::addItem(const std::string& text) { items_.push_back(text); }

void ListBox::deleteItem(int index) {
  if (index < 0 || index >= count()) return;
  items_.erase(items_.begin() + index);
  selected_ = selectionAfterDelete(selected_, index);
}

void ListBox::clear() {
  items_.clear();
  selected_ = -1;
}

const std::string& ListBox::item(int index) const {
  return index >= 0 && index < count() ? items_[index] : kEmpty;
}

void ListBox::setSelected(int index) {
  selected_ = index >= 0 && index < count() ? index : -1;
  if (selected_ >= 0 && onClick) onClick();
}

ListView::ListView(const ui::ListViewArgs& args)
    : ControlState(args.control),
      columns_(args.columns),
      checkBoxes_(args.checkBoxes),
      sorted_(args.sorted) {}

void ListView::describe(JsonObject& out) const {
  std::vector<std::string> captions;
  std::vector<int> widths;
  for (const auto& column : columns_) {
    captions.push_back(column.caption);
    widths.push_back(column.width);
  }
  out.add("columns", captions);
  std::vector<std::vector<std::string>> rows;
  std::vector<bool> checks;
  for (const auto& item : items_) {
    std::vector<std::string> row{item.caption};
    row.insert(row.end(), item.subItems.begin(), item.subItems.end());
    rows.push_back(std::move(row));
    checks.push_back(item.checked);
  }
  out.add("items", rows);
  if (checkBoxes_) out.add("checked", checks);
  selectedIndex(out, selected_);
  out.add("columnWidths", widths);
}

void ListView::setColumns(const std::vector<ui::ListColumn>& columns) {
  columns_ = columns;
}

void ListView::setColumnWidth(int column, int width) {
  if (column >= 0 && column < static_cast<int>(columns_.size()))
    columns_[column].width = width;
}

int ListView::addItem(const ui::ListItem& item) {
  auto at = items_.end();
  if (sorted_) {
    // Letter case aside first, then byte order; an equal caption goes
    // after those already there.
    const std::string key = utf8Upper(item.caption);
    at = std::upper_bound(
        items_.begin(), items_.end(), item,
        [&key](const ui::ListItem& added, const ui::ListItem& row) {
          const std::string rowKey = utf8Upper(row.caption);
          return key != rowKey ? key < rowKey : added.caption < row.caption;
        });
  }
  const int index = static_cast<int>(at - items_.begin());
  items_.insert(at, item);
  if (selected_ >= index) ++selected_;
  return index;
}

void ListView::setItem(int index, const ui::ListItem& item) {
  if (index >= 0 && index < count()) items_[index] = item;
}

void ListView::deleteItem(int index) {
  if (index < 0 || index >= count()) return;
  items_.erase(items_.begin() + index);
  selected_ = selectionAfterDelete(selected_, index);
}

void ListView::clear() {
  items_.clear();
  selected_ = -1;
}

const ui::ListItem& ListView::item(int index) const {
  static const ui::ListItem kNone;
  return index >= 0 && index < count() ? items_[index] : kNone;
}

void ListView::setSelected(int index) {
  selected_ = index >= 0 && index < count() ? index : -1;
}

void ListView::setChecked(int index, bool checked) {
  if (index >= 0 && index < count()) items_[index].checked = checked;
}

StringGrid::StringGrid(const ui::GridArgs& args)
    : ControlState(args.control), widths_(args.colWidths) {
  widths_.resize(std::max(args.colCount, 1), 64);
  setRowCount(args.rowCount);
}

void StringGrid::describe(JsonObject& out) const {
  out.add("rows", cells_);
  out.add("colWidths", widths_);
  std::vector<std::vector<std::string>> colors(cells_.size());
  for (int row = 0; row < rowCount(); ++row) {
    for (int col = 0; col < colCount(); ++col)
      colors[row].push_back(colorText(cellColor(col, row)));
  }
  out.add("colors", colors);
}

std::optional<ui::GridCell> StringGrid::cellAt(ui::Point client) const {
  const GridLayout layout(*this, 1);
  const int row = layout.rowAt(client.y);
  const int col = layout.columnAt(client.x);
  if (row < 0 || col < 0) return std::nullopt;
  return ui::GridCell{col, row, layout.cell(col, row)};
}

int StringGrid::textWidth(const std::string& text) const {
  return estimatedTextWidth(text);
}

ui::Point StringGrid::clientToScreen(ui::Point client) const {
  return {bounds().left + client.x, bounds().top + client.y};
}

void ToolTip::describe(JsonObject& out) const {
  out.add("text", text_);
  out.add("left", place_.x);
  out.add("top", place_.y);
}

void ToolTip::showAt(ui::Point screen, const std::string& text) {
  place_ = screen;
  text_ = text;
  shown_ = true;
}

void StringGrid::setRowCount(int rows) {
  cells_.resize(std::max(rows, 1), std::vector<std::string>(widths_.size()));
  if (selectedRow_ >= rowCount()) selectedRow_ = rowCount() - 1;
}

void StringGrid::setCell(int col, int row, const std::string& text) {
  if (col < 0 || col >= colCount() || row < 0 || row >= rowCount()) return;
  cells_[row][col] = text;
}

const std::string& StringGrid::cell(int col, int row) const {
  if (col < 0 || col >= colCount() || row < 0 || row >= rowCount())
    return kEmpty;
  return cells_[row][col];
}

void StringGrid::setColWidth(int col, int width) {
  if (col >= 0 && col < colCount()) widths_[col] = width;
}

int StringGrid::colWidth(int col) const {
  return col >= 0 && col < colCount() ? widths_[col] : 0;
}

void StringGrid::setSelectedRow(int row) {
  if (row >= 1 && row < rowCount()) selectedRow_ = row;
}

PageControl::PageControl(const ui::PageArgs& args)
    : ControlState(args.control), captions_(args.captions) {
  for (const auto& caption : captions_)
    pages_.push_back(
        std::make_unique<Page>(ui::ControlArgs{"", {}, caption, ""}));
  setBounds(args.control.bounds);
}

void PageControl::setBounds(ui::Rect bounds) {
  ControlState::setBounds(bounds);
  // One row of tabs above, a frame of 4 pixels around, as the common
  // controls draw them.
  constexpr int kFrame = 4;
  constexpr int kTabsHeight = 21;
  const ui::Rect area{kFrame, kTabsHeight + kFrame,
                      std::max(0, bounds.width - 2 * kFrame),
                      std::max(0, bounds.height - kTabsHeight - 2 * kFrame)};
  for (auto& page : pages_) page->setBounds(area);
}

void PageControl::describe(JsonObject& out) const {
  out.add("pages", captions_);
  out.add("active", active_);
}

ui::Container& PageControl::page(int index) { return *pages_.at(index); }

const std::string& PageControl::pageCaption(int index) const {
  return index >= 0 && index < pageCount() ? captions_[index] : kEmpty;
}

void PageControl::setActivePage(int index) {
  if (index < 0 || index >= pageCount() || index == active_) return;
  active_ = index;
  if (onChange) onChange();
}

StatusBar::StatusBar(const ui::StatusBarArgs& args)
    : ControlState(args.control), texts_(args.panelWidths.size()) {}

void StatusBar::describe(JsonObject& out) const { out.add("panels", texts_); }

void StatusBar::setPanelText(int panel, const std::string& text) {
  if (panel >= 0 && panel < panelCount()) texts_[panel] = text;
}

const std::string& StatusBar::panelText(int panel) const {
  return panel >= 0 && panel < panelCount() ? texts_[panel] : kEmpty;
}

MenuItem::MenuItem(const ui::MenuItemArgs& args)
    : name_(args.name),
      caption_(args.caption),
      shortcut_(args.shortcut),
      isDefault_(args.isDefault),
      checked_(args.checked) {}

void MenuItem::describe(JsonObject& out) const {
  out.add("caption", caption_);
  out.add("checked", checked_);
  out.add("shortcut", shortcut_);
  out.add("default", isDefault_);
  out.add("parent", parent_);
  out.add("index", index_);
}

void MenuItem::click() {
  if (enabled_ && onClick) onClick();
}

}  // namespace ov::headless
