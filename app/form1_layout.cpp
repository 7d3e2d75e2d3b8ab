// The controls of the main window's pages and menus.
#include <algorithm>

#include "app/form1.h"
#include "monitor/display_headers.h"

namespace ov {

namespace {

template <size_t N>
std::vector<ui::ListColumn> columns(
    const std::array<std::string_view, N>& captions,
    const std::vector<int>& widths) {
  std::vector<ui::ListColumn> out;
  for (size_t i = 0; i < N; ++i)
    out.push_back({std::string(captions[i]), widths[i]});
  return out;
}

}  // namespace

void TForm1::buildMainMenu() {
  ui::WindowSystem& ws = services_.windows;
  MainMenu1 = &ws.createMenu("MainMenu1", false);
  ui::MenuItem& file = MainMenu1->addItem(nullptr, {"N1", "&Файл", ""});
  mnu_savecfg = &MainMenu1->addItem(
      &file, {"mnu_savecfg", "Сохр. &конфигурацию", "Ctrl+S"});
  mnu_savecfg->onClick = [this] { mnu_savecfgClick(); };
  ui::MenuItem& logs = MainMenu1->addItem(&file, {"N24", "Просмотр &лога", ""});
  N25 = &MainMenu1->addItem(&logs, {"N25", "по открытым файлам", ""});
  N25->onClick = [this] { N25Click(); };
  N27 = &MainMenu1->addItem(&logs, {"N27", "по траффику", ""});
  N27->onClick = [this] { N27Click(); };
  MainMenu1->addItem(&file, {"N10", "-", ""});
  mnu_exit = &MainMenu1->addItem(&file, {"mnu_exit", "В&ыход", "Ctrl+X"});
  mnu_exit->onClick = [this] { mnu_exitClick(); };
  buildToolsMenu();
  ui::MenuItem& help =
      MainMenu1->addItem(nullptr, {"mnu_helpmenu", "&Справка", ""});
  mnu_help = &MainMenu1->addItem(&help, {"mnu_help", "&Справка", "F1"});
  mnu_help->onClick = [this] { mnu_helpClick(); };
  MainMenu1->addItem(&help, {"N14", "-", ""});
  mnu_about = &MainMenu1->addItem(&help, {"mnu_about", "Об &этом...", ""});
  mnu_about->onClick = [this] { mnu_aboutClick(); };
  Form1->setMainMenu(*MainMenu1);
}

void TForm1::buildConnectionsPage(ui::Container& page) {
  ui::WindowSystem& ws = services_.windows;
  st_conns = &ws.createStringGrid(
      page, {{"st_conns", {0, 0, 559, 147}, "", ""},
             static_cast<int>(monitor::kConnsGridHeaders.size()),
             5,
             {95, 89, 55, 55, 74, 53, 43, 64}});
  st_files = &ws.createStringGrid(
      page, {{"st_files", {0, 155, 449, 115}, "", ""},
             static_cast<int>(monitor::kFilesGridHeaders.size()),
             2,
             {95, 39, 36, 35, 225}});
  fitTimeColumn();
  buildColumnMenus();
  buildActivityGraph(page);
}

void TForm1::fitTimeColumn() {
  // "Сейчас" shows the time as the user's locale writes it; a 12-hour clock
  // ("10:58:58 AM") needs more than the layout's 64 pixels. The text stands
  // 2 pixels into its cell, and as much is kept on the right.
  constexpr int kCellTextMargins = 4;
  constexpr int kNowColumn = 7;
  int widest = 0;
  for (int hour : {10, 23})
    widest = std::max(widest, st_conns->textWidth(services_.locale.longTime(
                                  {2026, 1, 1, hour, 58, 58, 0, 4})));
  if (widest + kCellTextMargins > st_conns->colWidth(kNowColumn))
    st_conns->setColWidth(kNowColumn, widest + kCellTextMargins);
}

void TForm1::buildHistoryPage(ui::Container& page) {
  ui::WindowSystem& ws = services_.windows;
  ui::GroupBox& connections = ws.createGroupBox(
      page, {"gb_connhist", {5, 0, 554, 130}, "Соединения", ""});
  lv_connhist = &ws.createListView(
      connections,
      {{"lv_connhist", {5, 15, 544, 110}, "", ""},
       columns(monitor::kConnHistoryColumns, {100, 95, 85, 90, -1})});
  gb_fileshist = &ws.createGroupBox(
      page,
      {"gb_fileshist", {5, 134, 554, 128}, "История открытых файлов", ""});
  lv_fileshist = &ws.createListView(
      *gb_fileshist, {{"lv_fileshist", {5, 15, 544, 108}, "", ""},
                      columns(monitor::kFilesHistoryColumns, {120, -1, 150})});
}

}  // namespace ov
