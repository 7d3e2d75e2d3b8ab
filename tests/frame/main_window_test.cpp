// The main window's menus as the dump shows them, and the uptime in the
// status bar.
#include <gtest/gtest.h>

#include "lan_form.h"

namespace ov::test {
namespace {

struct MenuEntry {
  const char* name;
  const char* caption;
  const char* shortcut;
  const char* parent;
  int index;
};

// Every item of the main menu, in order under its parent.
constexpr MenuEntry kMainMenu[] = {
    {"N1", "&Файл", "", "MainMenu1", 0},
    {"N11", "&Инструменты", "", "MainMenu1", 1},
    {"mnu_helpmenu", "&Справка", "", "MainMenu1", 2},
    {"mnu_savecfg", "Сохр. &конфигурацию", "Ctrl+S", "N1", 0},
    {"N24", "Просмотр &лога", "", "N1", 1},
    {"N10", "-", "", "N1", 2},
    {"mnu_exit", "В&ыход", "Ctrl+X", "N1", 3},
    {"N25", "по открытым файлам", "", "N24", 0},
    {"N27", "по траффику", "", "N24", 1},
    {"mnu_netsend", "Net &sender", "F3", "N11", 0},
    {"mnu_pinger", "&Pinger", "F4", "N11", 1},
    {"N20", "О &компьютере...", "", "N11", 2},
    {"N12", "-", "", "N11", 3},
    {"mnu_traffic", "Контроль &траффика", "", "N11", 4},
    {"N13", "-", "", "N11", 5},
    {"N31", "Отчет по тра&ффику", "", "N11", 6},
    {"mnu_report", "&Отчет о подключениях", "", "N11", 7},
    {"N21", "&Поиск в логе по файлам", "", "N11", 8},
    {"mnu_help", "&Справка", "F1", "mnu_helpmenu", 0},
    {"N14", "-", "", "mnu_helpmenu", 1},
    {"mnu_about", "Об &этом...", "", "mnu_helpmenu", 2},
};

std::string dumped(const MenuEntry& e) {
  return "\"" + std::string(e.name) +
         "\": {\"kind\": \"menuitem\", \"enabled\": true, \"visible\": true, "
         "\"caption\": \"" +
         e.caption + "\", \"checked\": false, \"shortcut\": \"" + e.shortcut +
         "\", \"default\": false, \"parent\": \"" + e.parent +
         "\", \"index\": " + std::to_string(e.index) + "}";
}

TEST(MainWindow, TheDumpShowsTheWholeMainMenu) {
  LanForm lan("");
  const std::string dump = lan.windows().registry().dump();
  for (const MenuEntry& entry : kMainMenu)
    EXPECT_NE(dump.find(dumped(entry)), std::string::npos) << dumped(entry);
}

TEST(MainWindow, ConnectionsMenuOpensWithItsDefaultFirst) {
  LanForm lan("");
  const std::string dump = lan.windows().registry().dump();
  for (const std::string item :
       {R"("N9": {"kind": "menuitem", "enabled": true, "visible": true, )"
        R"("caption": "Открыть", "checked": false, "shortcut": "", )"
        R"("default": true, "parent": "PopupMenu3", "index": 0})",
        R"("caption": "О компьютере...", "checked": false, "shortcut": "", )"
        R"("default": false, "parent": "PopupMenu3", "index": 1})",
        R"("caption": "Пинговать", "checked": false, "shortcut": "", )"
        R"("default": false, "parent": "PopupMenu3", "index": 5})",
        R"("caption": "Открыть папку с файлом", "checked": false, )"
        R"("shortcut": "", "default": false, "parent": "PopupMenu2", )"
        R"("index": 2})"})
    EXPECT_NE(dump.find(item), std::string::npos) << item;
}

TEST(MainWindow, UptimeWrapsAfterADayAndIsNotWrittenWhileHidden) {
  LanForm lan("0.5 ui tray dblclick\n");
  lan.runUntil(25 * 3600 + 0.5);
  EXPECT_EQ(lan.form().mainWindow().sb.panelText(1),
            "Работаем: 01:00:00       ");
  lan.form().HideToTray();
  lan.runUntil(25 * 3600 + 2.5);
  EXPECT_EQ(lan.form().mainWindow().sb.panelText(1),
            "Работаем: 01:00:00       ");
  EXPECT_EQ(lan.form().runState().UptimeSeconds, 25u * 3600 + 2);
}

TEST(MainWindow, CellsAreColouredByIdleTimeAndPermission) {
  LanForm lan(
      "0 connect PC1 ivan\n"
      "0 connect PC2 petr\n"
      "0 dir C:\\Docs\n"
      "0.5 ui tray dblclick\n"
      "1 touch PC2 petr\n"
      "2 touch PC1 ivan\n"
      "2 open 1 PC1 ivan C:\\Docs perm=1\n"
      "2 open 2 PC1 ivan C:\\a.doc perm=1\n"
      "2 open 3 PC1 ivan C:\\b.doc perm=2\n"
      "2 open 4 PC1 ivan C:\\c.doc perm=3\n");
  lan.runUntil(12);
  const ui::StringGrid& conns = lan.form().connectionsPage().st_conns;
  ASSERT_EQ(conns.cell(3, 1), "0:00:10");
  ASSERT_EQ(conns.cell(3, 2), "0:00:11");
  EXPECT_EQ(conns.cellColor(0, 0), 0x000000u);
  EXPECT_EQ(conns.cellColor(0, 1), 0x008000u);  // idle 10 s: active
  EXPECT_EQ(conns.cellColor(7, 1), 0x008000u);
  EXPECT_EQ(conns.cellColor(0, 2), 0x000000u);  // idle 11 s
  EXPECT_EQ(conns.cellColor(0, 3), 0x000000u);  // an empty row
  const ui::StringGrid& files = lan.form().connectionsPage().st_files;
  EXPECT_EQ(files.cellColor(4, 1), 0x800000u);  // DIR
  EXPECT_EQ(files.cellColor(4, 2), 0x008000u);  // чтение
  EXPECT_EQ(files.cellColor(4, 3), 0x000080u);  // запись
  EXPECT_EQ(files.cellColor(4, 4), 0x000000u);  // R/W
  const std::string dump = lan.windows().registry().dump();
  EXPECT_NE(dump.find("\"colors\": [[\"000000\", \"000000\", \"000000\", "
                      "\"000000\", \"000000\"], [\"800000\", \"800000\""),
            std::string::npos)
      << dump;
}

}  // namespace
}  // namespace ov::test
