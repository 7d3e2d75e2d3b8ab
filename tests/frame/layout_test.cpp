// The main window's layout: the hint over a cut cell, the sizes that follow
// the window, the columns the page switch fills, the shares page's menu.
#include <gtest/gtest.h>

#include "lan_form.h"

namespace ov::test {
namespace {

constexpr char kCyrillicPath[] = "C:\\Docs\\Отчёт за первый квартал.doc";

const headless::ToolTip& hint(LanForm& lan) {
  return *lan.windows().registry().find<headless::ToolTip>("st_files_hint");
}

std::string hintDump(LanForm& lan) {
  const std::string dump = lan.windows().registry().dump();
  const size_t from = dump.find("\"st_files_hint\"");
  return from == std::string::npos
             ? ""
             : dump.substr(from, dump.find('}', from) - from + 1);
}

TEST(CellHint, ShowsACutCellAndHidesOverTheHeaderAFittingCellAndEachSecond) {
  LanForm lan(std::string("0 connect PC1 ivan\n0 dir C:\\Docs\n"
                          "0 open 7 PC1 ivan \"") +
              kCyrillicPath +
              "\" perm=1\n"
              "0.5 ui tray dblclick\n"
              // Column 4 starts at 4 x (70 + 1); row 1 at 17.
              "1.2 ui hover st_files 290 20\n");
  lan.runUntil(1.5);
  const ui::StringGrid& files = lan.form().connectionsPage().st_files;
  ASSERT_EQ(files.cell(4, 1), kCyrillicPath);
  ASSERT_EQ(files.colWidth(4), 120);
  // At the cell's corner: the grid stands 152 pixels down its page.
  EXPECT_EQ(hintDump(lan),
            std::string(R"("st_files_hint": {"kind": "hint", "enabled": true, )"
                        R"("visible": true, "text": ")") +
                "C:\\\\Docs\\\\Отчёт за первый квартал.doc" +
                R"(", "left": 284, "top": 169})");

  files.onMouseMove({290, 5});  // the header
  EXPECT_FALSE(hint(lan).shownVisible());
  files.onMouseMove({290, 20});
  EXPECT_TRUE(hint(lan).shownVisible());
  files.onMouseMove({75, 20});  // the id "7" fits its column
  EXPECT_FALSE(hint(lan).shownVisible());
  files.onMouseMove({290, 20});
  lan.runUntil(2.5);  // the second's tick
  EXPECT_FALSE(hint(lan).shownVisible());

  // The connections grid shares the handler: a client name too wide.
  const ui::StringGrid& conns = lan.form().connectionsPage().st_conns;
  conns.onMouseMove({10, 20});
  EXPECT_FALSE(hint(lan).shownVisible());  // "PC1" fits
}

TEST(CellHint, ASystemWithoutTooltipsSaysSoOnceAndRunsWithoutHints) {
  LanFormOptions options;
  options.refuseToolTips = true;
  LanForm lan("0 connect PC1 ivan\n0.5 ui tray dblclick\n", options);
  lan.runUntil(3);
  lan.form().connectionsPage().st_files.onMouseMove({290, 20});
  EXPECT_EQ(lan.calls("MessageBox"),
            std::vector<std::string>{
                R"(["Error", "Couldn't create the ToolTip control.", 0])"});
  EXPECT_EQ(lan.windows().registry().find("st_files_hint"), nullptr);
}

TEST(MainWindow, ResizingLaysTheGridsAndGroupsOutAnew) {
  LanForm lan("");
  TForm1& form = lan.form();
  form.window().setBounds({0, 0, 800, 600});
  // Client 792 by 554; the pages take all but the status bar's 19, and
  // show 784 pixels inside their frame.
  EXPECT_EQ(form.mainWindow().stranichki.bounds().height, 535);
  const ui::Rect conns = form.connectionsPage().st_conns.bounds();
  EXPECT_EQ(conns.width, 779);
  EXPECT_EQ(conns.height, 267);
  const ui::Rect files = form.connectionsPage().st_files.bounds();
  EXPECT_EQ(files.width, 645);  // room for the graph
  EXPECT_EQ(files.top, 272);
  EXPECT_EQ(files.height, 232);
  EXPECT_EQ(form.connectionsPage().st_files.colWidth(4), 645 - 4 * 70 - 25);
  // The graph keeps its size beside the open files.
  const ui::Rect graph = form.connectionsPage().Image1.bounds();
  EXPECT_EQ(graph.left, 655);
  EXPECT_EQ(graph.top, 277);
  EXPECT_EQ(graph.width, 124);
  EXPECT_EQ(graph.height, 105);
  EXPECT_EQ(form.resourcesPage().gb_resources.bounds().width, 774);
  EXPECT_EQ(form.historyPage().lv_fileshist.bounds().width, 544);

  // A hidden path column comes back at the next resize.
  form.N43Click(4);
  EXPECT_EQ(form.connectionsPage().st_files.colWidth(4), 0);
  form.window().setBounds({0, 0, 700, 600});
  EXPECT_EQ(form.connectionsPage().st_files.colWidth(4), 545 - 4 * 70 - 25);
}

TEST(MainWindow, PageSwitchFillsTheListsWideColumns) {
  LanForm lan("1 ui page 5\n2 ui page 2\n");
  lan.runUntil(3);
  TForm1& form = lan.form();
  // 544 pixels less the other columns less 20.
  EXPECT_EQ(form.historyPage().lv_fileshist.columns()[1].width,
            544 - 120 - 150 - 20);
  EXPECT_EQ(form.historyPage().lv_connhist.columns()[2].width, 85);
  EXPECT_EQ(form.resourcesPage().lv_shares.columns()[1].width,
            370 - 100 - 125 - 20);
}

TEST(MainWindow, SharesListHasItsMenuAndButtons) {
  LanForm lan("");
  const std::string dump = lan.windows().registry().dump();
  int index = 0;
  for (const char* caption :
       {"Подключить сетевой диск", "Открыть директорию с ресурсом", "-",
        "Добавить общий ресурс", "Редактировать параметры ресурса",
        "Удалить общий ресурс"}) {
    const std::string item = std::string(R"("caption": ")") + caption +
                             R"(", "checked": false, "shortcut": "", )"
                             R"("default": false, "parent": "PopupMenu5", )"
                             R"("index": )" +
                             std::to_string(index++) + "}";
    EXPECT_NE(dump.find(item), std::string::npos) << item;
  }
  for (const char* button :
       {R"("refreshshares": {"kind": "button", "enabled": true, )"
        R"("visible": true, "caption": "Обновить", "bounds")",
        R"("saveres": {"kind": "button", "enabled": true, )"
        R"("visible": true, "caption": "Применить", "bounds")",
        R"("lv_shares": {"kind": "listview", "enabled": true, )"
        R"("visible": true, "columns": ["Ресурс", "Путь", )"
        R"("Макс.подключений"], "items": [], "checked": [], )"})
    EXPECT_NE(dump.find(button), std::string::npos) << button;
}

}  // namespace
}  // namespace ov::test
