#include <gtest/gtest.h>

#include "platform/headless/window_system.h"

namespace ov::headless {
namespace {

TEST(HeadlessControls, SettersFireEventsOnlyOnChange) {
  WindowSystem ws;
  ui::Form& form = ws.createForm({"Form1", {0, 0, 598, 363}, "Orvane", ""});
  int clicks = 0, changes = 0, spins = 0;
  ui::CheckBox& box =
      ws.createCheckBox(form, {"cb_rules", {}, "Rules", ""}, false);
  box.onClick = [&] { ++clicks; };
  box.setChecked(false);
  box.setChecked(true);
  box.setChecked(true);
  EXPECT_EQ(clicks, 1);

  ui::Edit& edit = ws.createEdit(form, {"Edit1", {}, "", ""});
  edit.onChange = [&] { ++changes; };
  edit.setText("PC1");
  edit.setText("PC1");
  EXPECT_EQ(changes, 1);

  ui::SpinEdit& spin =
      ws.createSpinEdit(form, {{"tobnovl", {}, "", ""}, 100, 60000, 100, 1000});
  spin.onChange = [&] { ++spins; };
  spin.setValue(50);  // clamped to 100
  EXPECT_EQ(spin.value(), 100);
  spin.setValue(99);  // clamps to 100 again: no change
  spin.setValue(70000);
  EXPECT_EQ(spin.value(), 60000);
  EXPECT_EQ(spins, 2);
}

TEST(HeadlessControls, GridKeepsOldTextWhenRowsComeBack) {
  WindowSystem ws;
  ui::Form& form = ws.createForm({"Form1", {}, "Orvane", ""});
  ui::StringGrid& grid =
      ws.createStringGrid(form, {{"st_files", {}, "", ""}, 2, 5, {70, 70}});
  grid.setCell(1, 4, "x");
  grid.setCell(5, 1, "out of range");
  EXPECT_EQ(grid.cell(5, 1), "");
  grid.setRowCount(3);
  EXPECT_EQ(grid.cell(1, 4), "");
  grid.setRowCount(5);
  EXPECT_EQ(grid.rowCount(), 5);
  EXPECT_EQ(grid.cell(1, 4), "");  // rows cut away lose their text
  grid.setCell(0, 2, "kept");
  grid.setRowCount(5);
  EXPECT_EQ(grid.cell(0, 2), "kept");
}

TEST(HeadlessControls, DumpShowsWhatAUserSees) {
  WindowSystem ws;
  ui::Form& form = ws.createForm({"Form1", {0, 0, 598, 363}, "Orvane", ""});
  ui::PageControl& pages = ws.createPageControl(
      form, {{"stranichki", {}, "", ""}, {"Подключения", "История"}});
  int pageChanges = 0;
  pages.onChange = [&] { ++pageChanges; };
  pages.setActivePage(1);
  EXPECT_EQ(pageChanges, 1);
  ui::StringGrid& grid = ws.createStringGrid(
      pages.page(0), {{"st_conns", {}, "", ""}, 2, 2, {95, 89}});
  grid.setCell(0, 0, "Клиент");
  grid.setCell(1, 1, "a\"b");
  ui::ListView& list = ws.createListView(
      pages.page(1), {{"lv_shares", {}, "", ""}, {{"Ресурс", 100}}, true});
  list.addItem({"C$", {"C:\\"}, true});
  ui::ListBox& box = ws.createListBox(
      pages.page(1), {"ListBox4", {5, 6, 70, 80}, "", "Клиенты"});
  box.addItem("PC1");
  ui::Menu& menu = ws.createMenu("MainMenu1", false);
  ui::MenuItem& item =
      menu.addItem(nullptr, {"mnu_savecfg", "Сохр. &конфигурацию", "Ctrl+S"});
  item.setEnabled(false);
  ui::StatusBar& bar =
      ws.createStatusBar(form, {{"sb", {}, "", ""}, {400, 40}});
  bar.setPanelText(1, "up");

  EXPECT_EQ(
      ws.registry().dump(),
      "{\"Form1\": {\"kind\": \"form\", \"enabled\": true, \"visible\": true, "
      "\"caption\": \"Orvane\", \"state\": \"normal\", \"width\": 598, "
      "\"height\": 363, \"bounds\": {\"left\": 0, \"top\": 0, \"width\": 598, "
      "\"height\": 363}, \"hint\": \"\"}, "
      "\"stranichki\": {\"kind\": \"pages\", \"enabled\": true, \"visible\": "
      "true, \"pages\": [\"Подключения\", \"История\"], \"active\": 1"
      ", \"bounds\": {\"left\": 0, \"top\": 0, \"width\": 0, \"height\": 0}, "
      "\"hint\": \"\"}, "
      "\"st_conns\": {\"kind\": \"grid\", \"enabled\": true, \"visible\": "
      "true, \"rows\": [[\"Клиент\", \"\"], [\"\", \"a\\\"b\"]], "
      "\"colWidths\": [95, "
      "89], \"colors\": [[\"000000\", \"000000\"], [\"000000\", "
      "\"000000\"]], \"bounds\": {\"left\": 0, \"top\": 0, \"width\": 0, "
      "\"height\": 0}, \"hint\": \"\"}, "
      "\"lv_shares\": {\"kind\": \"listview\", \"enabled\": true, \"visible\": "
      "true, \"columns\": [\"Ресурс\"], \"items\": [[\"C$\", \"C:\\\\\"]], "
      "\"checked\": [true], \"selected\": null, \"columnWidths\": [100]"
      ", \"bounds\": {\"left\": 0, \"top\": 0, \"width\": 0, \"height\": 0}, "
      "\"hint\": \"\"}, "
      "\"ListBox4\": {\"kind\": \"listbox\", \"enabled\": true, \"visible\": "
      "true, \"items\": [\"PC1\"], \"selected\": null, \"bounds\": {\"left\": "
      "5, "
      "\"top\": 6, \"width\": 70, \"height\": 80}, \"hint\": \"Клиенты\"}, "
      "\"mnu_savecfg\": {\"kind\": \"menuitem\", \"enabled\": false, "
      "\"visible\": true, \"caption\": \"Сохр. &конфигурацию\", \"checked\": "
      "false, "
      "\"shortcut\": \"Ctrl+S\", \"default\": false, \"parent\": "
      "\"MainMenu1\", \"index\": 0}, "
      "\"sb\": {\"kind\": \"statusbar\", \"enabled\": true, \"visible\": true, "
      "\"panels\": [\"\", \"up\"], \"bounds\": {\"left\": 0, \"top\": 0, "
      "\"width\": 0, \"height\": 0}, \"hint\": \"\"}}");
}

TEST(HeadlessControls, CloseAsksTheCloseQuery) {
  WindowSystem ws;
  ui::Form& form = ws.createForm({"Form1", {}, "Orvane", ""});
  bool allow = false;
  int asked = 0;
  form.onCloseQuery = [&] {
    ++asked;
    return allow;
  };
  form.close();
  EXPECT_FALSE(form.closed());
  allow = true;
  form.close();
  form.close();
  EXPECT_TRUE(form.closed());
  EXPECT_EQ(asked, 2);
}

}  // namespace
}  // namespace ov::headless

namespace ov::headless {
namespace {

TEST(HeadlessControls, DeletingItemsKeepsOrClearsTheSelectionAsNativeListsDo) {
  WindowSystem ws;
  ui::Form& form = ws.createForm({"Form1", {}, "Orvane", ""});
  ui::ListBox& box = ws.createListBox(form, {"ListBox1", {}, "", ""});
  for (const char* name : {"A", "B", "C", "D"}) box.addItem(name);
  box.setSelected(2);
  box.deleteItem(0);
  EXPECT_EQ(box.selected(), 1);
  EXPECT_EQ(box.item(1), "C");
  box.deleteItem(1);
  EXPECT_EQ(box.selected(), -1);

  ui::ListView& view =
      ws.createListView(form, {{"lv_rules", {}, "", ""}, {{"IP", 120}}});
  for (const char* address : {"1", "2", "3"}) view.addItem({address, {}});
  view.setSelected(1);
  view.deleteItem(2);
  EXPECT_EQ(view.selected(), 1);
  view.deleteItem(1);
  EXPECT_EQ(view.selected(), -1);
}

}  // namespace
}  // namespace ov::headless
