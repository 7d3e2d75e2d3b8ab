// The grids' column widths: the toggle items of their context menus, and
// the widths kept in "OV.CFG" (a width of 0 hides a column).
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "app/config_file.h"
#include "app/form1.h"

namespace ov {

namespace {

// A column shown again by its toggle item gets this width, whatever it had.
constexpr int kShownColumnWidth = 70;
// Open-files columns missing from the file.
constexpr int kFilesColumnDefaultWidth = 70;

struct ToggleItem {
  const char* name;
  const char* caption;
};

constexpr ToggleItem kConnsToggles[] = {
    {"N33", "Компьютер"},
    {"N34", "Пользователь"},
    {"N35", "Время активности соединения"},
    {"N36", "Время простоя соединения"},
    {"N37", "Удалённая система"},
    {"N38", "Протокол соединения"},
    {"N39", "Число открытых ресурсов"},
    {"N40", "Текущее время"},
};

// N47 belongs to the connections menu's "Безопасность" sub-menu.
constexpr ToggleItem kFilesToggles[] = {
    {"N43", "Пользователь"},   {"N44", "ID файла"},
    {"N45", "Режим открытия"}, {"N46", "Число запретов доступа"},
    {"N48", "Путь к файлу"},
};

// The "Столбцы..." sub-menu: one checked item per column, each carrying its
// column number to the handler.
void addColumnToggles(ui::Menu& menu, const char* parentName,
                      std::span<const ToggleItem> toggles,
                      std::span<ui::MenuItem*> items,
                      const std::function<void(int)>& onToggle) {
  ui::MenuItem& parent = menu.addItem(nullptr, {parentName, "Столбцы...", ""});
  for (int col = 0; col < static_cast<int>(toggles.size()); ++col) {
    ui::MenuItem& item = menu.addItem(
        &parent, {toggles[col].name, toggles[col].caption, "", false, true});
    item.onClick = [onToggle, col] { onToggle(col); };
    items[col] = &item;
  }
}

void toggleColumn(ui::StringGrid& grid, ui::MenuItem& item, int column) {
  item.setChecked(!item.checked());
  grid.setColWidth(column, item.checked() ? kShownColumnWidth : 0);
}

std::string columnKey(std::string_view prefix, int column) {
  return std::string(prefix) + std::to_string(column);
}

// defaultWidth empty: the column keeps its current width when the key is
// missing.
void loadGridColumns(const ConfigFile& cfg, ui::StringGrid& grid,
                     std::string_view prefix, std::optional<int> defaultWidth,
                     std::span<ui::MenuItem* const> toggles) {
  for (int col = 0; col < grid.colCount(); ++col)
    grid.setColWidth(col,
                     cfg.readInt("Display", columnKey(prefix, col),
                                 defaultWidth.value_or(grid.colWidth(col))));
  for (int col = 0; col < grid.colCount(); ++col)
    toggles[col]->setChecked(grid.colWidth(col) != 0);
}

void saveGridColumns(const ConfigFile& cfg, const ui::StringGrid& grid,
                     std::string_view prefix) {
  for (int col = 0; col < grid.colCount(); ++col)
    cfg.writeInt("Display", columnKey(prefix, col), grid.colWidth(col));
}

}  // namespace

void TForm1::buildColumnMenus() {
  ui::WindowSystem& ws = services_.windows;
  PopupMenu3 = &ws.createMenu("PopupMenu3", true);
  addConnsCommandItems();
  addColumnToggles(*PopupMenu3, "N32", kConnsToggles, connsColumnItems,
                   [this](int col) { N33Click(col); });
  st_conns->setPopupMenu(PopupMenu3);
  PopupMenu2 = &ws.createMenu("PopupMenu2", true);
  addFilesCommandItems();
  addColumnToggles(*PopupMenu2, "N42", kFilesToggles, filesColumnItems,
                   [this](int col) { N43Click(col); });
  st_files->setPopupMenu(PopupMenu2);
}

void TForm1::N33Click(int column) {
  toggleColumn(*st_conns, *connsColumnItems[column], column);
}

void TForm1::N43Click(int column) {
  toggleColumn(*st_files, *filesColumnItems[column], column);
}

void TForm1::loadColumnWidths(const ConfigFile& cfg) {
  loadGridColumns(cfg, *st_conns, "T1W", std::nullopt, connsColumnItems);
  loadGridColumns(cfg, *st_files, "T2W", kFilesColumnDefaultWidth,
                  filesColumnItems);
}

void TForm1::saveColumnWidths(const ConfigFile& cfg) const {
  saveGridColumns(cfg, *st_conns, "T1W");
  saveGridColumns(cfg, *st_files, "T2W");
}

}  // namespace ov
