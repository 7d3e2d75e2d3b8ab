// The window's layout as its size changes, and what each page does when it
// is shown; the shares page's controls and menu.
#include <algorithm>

#include "app/form1.h"

namespace ov {

namespace {

constexpr int kStatusBarHeight = 19;
constexpr int kGraphWidth = 124;  // the activity graph beside st_files
// The path column of a narrow window: the grid scrolls to show the rest.
constexpr int kSmallestPathColumn = 64;

// Room a list view keeps beside its columns, for the scroll bar.
constexpr int kListMargin = 20;

int columnCount(const ui::ListView& view) {
  return static_cast<int>(view.columns().size());
}

// A column's width as drawn: one that takes the rest has what the fixed
// ones leave.
int drawnWidth(const ui::ListView& view, int column) {
  const auto& columns = view.columns();
  if (columns[column].width >= 0) return columns[column].width;
  int fixed = 0;
  for (int c = 0; c < columnCount(view); ++c)
    if (c != column) fixed += std::max(0, columns[c].width);
  return std::max(0, view.bounds().width - fixed - kListMargin);
}

// Gives a column what the others leave of the view's width.
void fillColumn(ui::ListView& view, int column) {
  int others = 0;
  for (int c = 0; c < columnCount(view); ++c)
    if (c != column) others += drawnWidth(view, c);
  view.setColumnWidth(column,
                      std::max(0, view.bounds().width - others - kListMargin));
}

}  // namespace

void TForm1::buildResourcesPage(ui::Container& page) {
  ui::WindowSystem& ws = services_.windows;
  gb_resources = &ws.createGroupBox(
      page, {"gb_resources", {5, 0, 554, 240}, "Ресурсы для проверки", ""});
  lv_shares = &ws.createListView(
      *gb_resources,
      {{"lv_shares",
        {5, 15, 370, 185},
        "",
        "По помеченным галочкой ресурсам ведется лог открытия файлов"},
       {{"Ресурс", 100}, {"Путь", -1}, {"Макс.подключений", 125}},
       true,
       true});
  ListBox4 = &ws.createListBox(*gb_resources,
                               {"ListBox4", {380, 15, 165, 220}, "", ""});
  const auto button = [&](const char* name, const char* caption, int left,
                          const char* hint, void (TForm1::*handler)()) {
    ui::Button& made = ws.createButton(
        *gb_resources, {name, {left, 207, 75, 25}, caption, hint});
    made.onClick = [this, handler] { (this->*handler)(); };
    return &made;
  };
  refreshshares =
      button("refreshshares", "Обновить", 5, "", &TForm1::refreshsharesClick);
  addres = button("addres", "Добавить", 85, "", &TForm1::addShareClick);
  editres = button("editres", "Изменить", 165, "", &TForm1::editShareClick);
  saveres = button("saveres", "Применить", 245,
                   "Сохраняет выбранные настройки по логу ресурсов",
                   &TForm1::saveresClick);

  PopupMenu5 = &ws.createMenu("PopupMenu5", true);
  const auto item = [&](const char* name, const char* caption,
                        void (TForm1::*handler)()) {
    ui::MenuItem& made = PopupMenu5->addItem(nullptr, {name, caption, ""});
    if (handler) made.onClick = [this, handler] { (this->*handler)(); };
  };
  item("N15", "Подключить сетевой диск", &TForm1::N15Click);
  item("N51", "Открыть директорию с ресурсом", &TForm1::N51Click);
  item("N17", "-", nullptr);
  item("N28", "Добавить общий ресурс", &TForm1::addShareClick);
  item("N29", "Редактировать параметры ресурса", &TForm1::editShareClick);
  item("N16", "Удалить общий ресурс", &TForm1::N16Click);
  lv_shares->setPopupMenu(PopupMenu5);
}

void TForm1::FormResize() {
  const ui::Rect client = Form1->clientRect();
  // The page control fills the window above the status bar.
  stranichki->setBounds({0, 0, client.width, client.height - kStatusBarHeight});
  sb->setBounds(
      {0, client.height - kStatusBarHeight, client.width, kStatusBarHeight});
  const int pagesHeight = stranichki->bounds().height;
  // The width the pages show inside the page control's frame: sized to the
  // window's or the page control's width, the right edges would be cut.
  const int pageWidth = stranichki->page(kPageConnections).bounds().width;

  ui::Rect conns = st_conns->bounds();
  conns.width = pageWidth - 5;
  conns.height = pagesHeight / 2;
  st_conns->setBounds(conns);

  ui::Rect files = st_files->bounds();
  files.width = conns.width - kGraphWidth - 10;
  files.top = conns.height + 5;
  files.height = pagesHeight / 2 - 35;
  st_files->setBounds(files);
  int shownBefore = 0;
  for (int col = 0; col < 4; ++col) shownBefore += st_files->colWidth(col);
  st_files->setColWidth(
      4, std::max(files.width - shownBefore - 25, kSmallestPathColumn));
  ui::Rect graph = Image1->bounds();
  graph.top = conns.height + 10;
  graph.left = files.width + 10;
  Image1->setBounds(graph);

  ui::Rect group = gb_resources->bounds();
  group.width = pageWidth - 10;
  gb_resources->setBounds(group);
  ui::Rect history = lv_fileshist->bounds();
  history.width = gb_fileshist->bounds().width - 10;
  lv_fileshist->setBounds(history);
}

void TForm1::stranichkiChange() {
  switch (stranichki->activePage()) {
    case kPageResources:
      refreshsharesClick();
      fillColumn(*lv_shares, 1);
      break;
    case kPageSettings:
      ShowServerServiceState();
      break;
    case kPageStatistics:
      RefreshStatistics();
      break;
    case kPageHistory:
      fillColumn(*lv_connhist, 2);
      fillColumn(*lv_fileshist, 1);
      break;
    default:
      break;
  }
}

}  // namespace ov
