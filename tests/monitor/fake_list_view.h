#pragma once
// A list view that keeps its rows and counts scroll requests.
#include <string>
#include <vector>

#include "platform/ui.h"

namespace ov::monitor::testing {

class FakeListView : public ui::ListView {
 public:
  std::vector<ui::ListItem> items;
  int linesScrolled = 0;

  const std::string& name() const override { return name_; }
  void setEnabled(bool) override {}
  bool enabled() const override { return true; }
  void setVisible(bool) override {}
  bool visible() const override { return true; }
  void setBounds(ui::Rect) override {}
  ui::Rect bounds() const override { return {}; }

  void setColumns(const std::vector<ui::ListColumn>& columns) override {
    columns_ = columns;
  }
  const std::vector<ui::ListColumn>& columns() const override {
    return columns_;
  }
  void setColumnWidth(int, int) override {}
  int addItem(const ui::ListItem& item) override {
    items.push_back(item);
    return count() - 1;
  }
  void setItem(int index, const ui::ListItem& item) override {
    items.at(index) = item;
  }
  void deleteItem(int index) override { items.erase(items.begin() + index); }
  void clear() override { items.clear(); }
  int count() const override { return static_cast<int>(items.size()); }
  const ui::ListItem& item(int index) const override { return items.at(index); }
  int selected() const override { return -1; }
  void setSelected(int) override {}
  void setChecked(int index, bool checked) override {
    items.at(index).checked = checked;
  }
  void scrollLineDown() override { ++linesScrolled; }
  void setPopupMenu(ui::Menu*) override {}

 private:
  std::string name_ = "lv_connhist";
  std::vector<ui::ListColumn> columns_;
};

}  // namespace ov::monitor::testing
