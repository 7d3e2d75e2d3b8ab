#pragma once
// The main window TForm1: its controls, by the names the program gives
// them, and its event handlers.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "admin/dialog_button_handler.h"
#include "admin/messenger.h"
#include "admin/pinger.h"
#include "admin/run_time_dialog.h"
#include "admin/server_service.h"
#include "admin/share_editor.h"
#include "admin/share_list.h"
#include "app/cell_hint.h"
#include "app/form_parts.h"
#include "app/page_views.h"
#include "app/services.h"
#include "app/ttray.h"
#include "monitor/monitor_cycle.h"
#include "platform/clock.h"
#include "platform/ui.h"
#include "traffic/activity_history.h"
#include "traffic/hover_watch.h"
#include "traffic/ttraffic.h"

namespace ov {

class ConfigFile;

class TForm1 {
  // First, so that every member built from the services finds them.
  Services& services_;

 public:
  // Builds the window from its layout, then runs FormCreate.
  explicit TForm1(Services& services);
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  ui::Form& window() { return *Form1; }

  // ---- Event handlers, by the names the window gives them.
  void FormCreate();
  bool FormCloseQuery();
  void FormResize();
  void Timer1Timer();
  void Timer2Timer();  // the minute tick
  void Timer3Timer();
  void Timer4Timer();
  void Edit1KeyPress(char key);
  void mnu_exitClick();
  void stranichkiChange();
  // The close box hides the window while Close_minim is checked.
  bool WMSysCommand(unsigned command);
  void st_filesMouseMove(const ui::StringGrid& grid, ui::Point client);
  void Image1MouseMove(ui::Point point);
  // The tray icon and its menu.
  void TrayDblClick();
  void pm_openClick();      // "Открыть"
  void pm_closeallClick();  // "Закр. доступ всем"
  void N2Click();           // "Выход": ends at once, saving nothing
  void N25Click();          // opens the file log
  void N27Click();          // opens the traffic log
  void mnu_helpClick();     // opens "help.chm"
  void N9Click();           // a client computer's shares
  void mi_openpathClick();  // the folder of an open file
  // The tools menu.
  void mnu_netsendClick();
  void mnu_pingerClick();
  void N20Click();
  void mnu_trafficClick();
  void N31Click();
  void mnu_reportClick();
  void N21Click();
  void mnu_aboutClick();
  void mnu_savecfgClick();
  // The log search buttons.
  void tmpbClick(ui::Button& button);
  // The button handler the tool dialogs share.
  void DialogButtonClick(ui::Button& button);
  void TrOkClick();  // the traffic settings' "Ok"
  // The hot keys and the settings page.
  void HotKeyPressed(int id);
  void b_reghkClick();
  void AutoRunClick();
  void logboxClick();
  void cb_ignorelocalClick();
  void mochilkaboxClick();
  void kicktimeChange();
  void tobnovlChange();
  void hk1Change();
  void hk2Change();
  void Button111Click();      // pauses or continues the server service
  void N33Click(int column);  // a column toggle of st_conns
  void N43Click(int column);  // a column toggle of st_files
  // The shares page.
  void refreshsharesClick();  // the shares list, as "Обновить" refreshes it
  void addShareClick();
  void editShareClick();
  void saveresClick();
  void N15Click();  // "Подключить сетевой диск"
  void N51Click();  // "Открыть директорию с ресурсом"
  void N16Click();  // "Удалить общий ресурс"
  // The grids' commands and the name lists.
  void N4Click();   // "Мочить!": the selected client
  void N3Click();   // "Закрыть файл": the selected open file
  void N6Click();   // the selected client into the computer list
  void N47Click();  // the selected connection's user into the user list
  void N26Click();  // the selected open file's user into the user list
  void N7Click();   // "Добавить" of PopupMenu4
  void N8Click();   // "Удалить" of PopupMenu4
  void sec_logicClick();
  void save1butClick();
  void save2Click();
  // The rules editor.
  void b_addruleClick();
  void b_delruleClick();
  void lv_rulesDblClick();
  void cb_actionsChange();
  // What the hot keys, the tray and the timers do besides.
  void kickAll();
  void HideToTray();
  void RestoreFromTray();
  void SaveAllSettings();
  void DrawActivityGraph();

  // ---- The window and its pages, each as a view of its controls.
  MainWindowView mainWindow();
  ConnectionsPageView connectionsPage();
  SecurityPageView securityPage();
  ResourcesPageView resourcesPage();
  SettingsPageView settingsPage();
  StatisticsPageView statisticsPage();
  HistoryPageView historyPage();
  // What it keeps besides its controls.
  MonitorPartsView monitorParts();
  KeptSettingsView keptSettings();
  ToolDialogsView toolDialogs();
  TrafficPartsView trafficParts();
  RunStateView runState();

 private:
  // Building the window.
  void buildMainMenu();
  void buildTrayMenu();
  void buildToolsMenu();
  void buildColumnMenus();
  void buildConnectionsPage(ui::Container& page);
  void buildActivityGraph(ui::Container& page);
  void fitTimeColumn();
  void buildSecurityPage(ui::Container& page);
  void buildNameLists(ui::Container& page);
  void buildRulesPage(ui::Container& page);
  void buildResourcesPage(ui::Container& page);
  void buildSettingsPage(ui::Container& page);
  void buildStatisticsPage(ui::Container& page);
  void buildHistoryPage(ui::Container& page);
  void buildMonitor();
  void writeGridHeaders();
  void addConnsCommandItems();
  void addFilesCommandItems();
  void connectSettingsHandlers();
  void CreateCellHint();

  // Configuration "OV.CFG" and the files beside the program.
  void LoadSettings();
  void SaveDisplaySettings();
  std::string ConfigPath() const;
  void loadHotKeys(const ConfigFile& cfg);
  void loadColumnWidths(const ConfigFile& cfg);
  void saveColumnWidths(const ConfigFile& cfg) const;
  std::string TrafficLogPath() const;
  std::string RulesPath() const;
  std::string NameListPath(std::string_view name) const;
  void LoadNameLists();
  // Takes a grid name unless the list already holds it in any letter case.
  void addNameOnce(ui::ListBox& list, const std::string& name);
  // The list "Добавить" and "Удалить" act on: the list box the menu was
  // opened over; none before it was opened.
  ui::ListBox* namesMenuList() const;

  // The tray, the hot keys and autorun.
  void RegisterHotKeys();
  void CheckAutoRun();  // at start: the box follows the Run key's value

  // The pages' helpers.
  void minuteSessions();  // the minute tick's session pass
  void ClearActivityHistory();
  void RefreshStatistics();
  void addresClick(admin::ShareEditorMode mode);
  admin::ShareEditorContext shareEditorContext();
  admin::ShareListSource shareListSource();
  admin::MessengerContext messengerContext();
  admin::PingerContext pingerContext();
  void ShowServerServiceState();  // Button111's caption on the settings page
  // Runs the service routine and sets Button111's caption: "pause" for a
  // running service or one in the state given.
  void ServiceButtonFollows(admin::ServiceToggle mode, uint32_t alsoRunning);

  // Timers and the notification-area icon.
  std::unique_ptr<Timer> Timer1;
  std::unique_ptr<Timer> Timer2;
  std::unique_ptr<Timer> Timer3;
  std::unique_ptr<Timer> Timer4;
  std::unique_ptr<TTRAY> tray;
  bool HiddenInTray = false;
  // Seconds counted by Timer1 since start.
  uint32_t UptimeSeconds = 0;

  // The session monitor: what the cycle keeps between ticks, the steps it
  // hands sessions and files to, and the cycle itself.
  monitor::WatchedServer watchedServer;
  monitor::CycleCounters cycleCounters;
  monitor::SessionAddresses sessionAddresses;
  std::unique_ptr<monitor::ConnectionTable> connections;
  std::unique_ptr<monitor::AccessPolicy> accessPolicy;
  std::unique_ptr<monitor::RuleTable> rules;
  std::unique_ptr<monitor::FileLog> fileLog;
  std::unique_ptr<monitor::MonitorCycle> monitorCycle;
  // Upper case, taken once at start-up; empty when it cannot be read.
  std::string LocalHostName;
  // Share paths whose files are not logged; the share refresh fills it.
  std::vector<std::string> UnloggedPaths;

  // The hint over a cut cell of either grid.
  std::unique_ptr<CellHint> cellHint;
  // The controls of the run-time dialog that is open, and what the dialog
  // button handler does for each tool's button.
  admin::CurrentDialog currentDialog;
  admin::DialogBranches dialogBranches;
  // The activity graph beside the open-files grid.
  ActivityHistory activity;
  std::unique_ptr<HoverWatch> hoverWatch;

  // Settings kept outside their controls.
  bool LogEnabled = false;   // Log/Use; follows logbox
  bool IgnoreLocal = false;  // Log/LocalCheck; follows cb_ignorelocal
  int AutoKick = 1;          // Kick/AutoKick: idle kick on when not 0
  int KickTime = 10;         // Kick/KickTime: idle minutes; follows kicktime
  // Hot keys as registered: modifier bits 1 Alt, 2 Ctrl, 4 Shift.
  uint16_t Key = 122;  // F11, show or hide the window
  uint16_t Mod = 1;
  uint16_t KickKey = 123;  // F12, disconnect everybody
  uint16_t KickMod = 1;
  // The interface sampled for traffic and the traffic-log switches.
  TTraffic traffic{services_.interfaces, services_.clock};

  // Controls, reached through the page views.
  // The menus: the main menu, the tray menu and the context menus.
  ui::Menu* MainMenu1 = nullptr;
  ui::MenuItem* mnu_exit = nullptr;
  ui::Menu* PopupMenu5 = nullptr;  // context menu of lv_shares
  ui::Menu* PopupMenu1 = nullptr;  // the tray menu
  ui::MenuItem* pm_open = nullptr;
  ui::MenuItem* N49 = nullptr;  // "По файлам"
  ui::MenuItem* N50 = nullptr;  // "По траффику"
  ui::MenuItem* pm_closeall = nullptr;
  ui::MenuItem* N2 = nullptr;
  ui::MenuItem* N25 = nullptr;  // "по открытым файлам"
  ui::MenuItem* N27 = nullptr;  // "по траффику"
  ui::MenuItem* mnu_help = nullptr;
  ui::MenuItem* N9 = nullptr;  // "Открыть" of st_conns
  ui::MenuItem* mi_openpath = nullptr;
  ui::MenuItem* mnu_about = nullptr;
  ui::MenuItem* mnu_netsend = nullptr;
  ui::MenuItem* mnu_pinger = nullptr;
  ui::MenuItem* N20 = nullptr;
  ui::MenuItem* mnu_traffic = nullptr;
  ui::MenuItem* N31 = nullptr;
  ui::MenuItem* mnu_report = nullptr;
  ui::MenuItem* N21 = nullptr;
  ui::MenuItem* N5 = nullptr;
  ui::MenuItem* pm_sendmsg = nullptr;
  ui::MenuItem* pm_ping = nullptr;
  ui::MenuItem* mnu_savecfg = nullptr;
  ui::Menu* PopupMenu3 = nullptr;  // context menu of st_conns
  ui::Menu* PopupMenu2 = nullptr;  // context menu of st_files
  // The "Столбцы..." items, by column: N33..N40 and N43..N46, N48.
  std::array<ui::MenuItem*, 8> connsColumnItems{};
  std::array<ui::MenuItem*, 5> filesColumnItems{};
  ui::Menu* PopupMenu4 = nullptr;  // context menu of both lists
  ui::MenuItem* N7 = nullptr;
  ui::MenuItem* N8 = nullptr;
  ui::MenuItem* N4 = nullptr;
  ui::MenuItem* N6 = nullptr;
  ui::MenuItem* N47 = nullptr;
  ui::MenuItem* N3 = nullptr;
  ui::MenuItem* N26 = nullptr;
  // The window.
  ui::Form* Form1 = nullptr;
  ui::PageControl* stranichki = nullptr;
  ui::StatusBar* sb = nullptr;
  // Page "Подключения".
  ui::StringGrid* st_conns = nullptr;
  ui::StringGrid* st_files = nullptr;
  ui::Image* Image1 = nullptr;
  // Page "Безопасность".
  ui::PageControl* PageControl1 = nullptr;
  ui::GroupBox* gb_kickcomputers = nullptr;
  ui::GroupBox* gb_kickusers = nullptr;
  ui::ListBox* ListBox1 = nullptr;  // computer list
  ui::ListBox* ListBox2 = nullptr;  // user list
  ui::CheckBox* sec_logic = nullptr;
  ui::Button* save1but = nullptr;
  ui::Button* save2 = nullptr;
  ui::CheckBox* cb_rules = nullptr;
  ui::ListView* lv_rules = nullptr;
  ui::Edit* t_user = nullptr;  // the rule's address
  ui::ComboBox* cb_event = nullptr;
  ui::Edit* t_parame = nullptr;  // the event's parameter
  ui::ComboBox* cb_actions = nullptr;
  ui::Label* lb_param = nullptr;
  ui::Edit* t_param = nullptr;  // the action's parameter
  ui::RadioGroup* rg1 = nullptr;
  ui::Button* b_addrule = nullptr;
  ui::Button* b_delrule = nullptr;
  // Page "Ресурсы".
  ui::GroupBox* gb_resources = nullptr;
  ui::ListView* lv_shares = nullptr;
  ui::ListBox* ListBox4 = nullptr;
  ui::Button* refreshshares = nullptr;
  ui::Button* addres = nullptr;
  ui::Button* editres = nullptr;
  ui::Button* saveres = nullptr;
  // Page "Настройки".
  ui::CheckBox* mochilkabox = nullptr;
  ui::SpinEdit* kicktime = nullptr;
  ui::CheckBox* SecurityCB1 = nullptr;
  ui::CheckBox* cb_denyf = nullptr;
  ui::SpinEdit* n_denyf = nullptr;
  ui::CheckBox* Close_minim = nullptr;
  ui::CheckBox* AutoRun = nullptr;
  ui::Edit* Edit1 = nullptr;
  ui::SpinEdit* tobnovl = nullptr;
  ui::HotKey* hk1 = nullptr;
  ui::HotKey* hk2 = nullptr;
  ui::Button* b_reghk = nullptr;
  ui::Button* Button111 = nullptr;
  ui::CheckBox* logbox = nullptr;
  ui::Edit* t_log = nullptr;
  ui::CheckBox* cb_ignorelocal = nullptr;
  ui::CheckBox* cb_logsys = nullptr;
  ui::CheckBox* cb_kickpipe = nullptr;
  ui::CheckBox* cb_lognullconn = nullptr;
  ui::CheckBox* cb_connsound = nullptr;
  ui::CheckBox* cb_conninfo = nullptr;
  ui::CheckBox* cb_cleantable = nullptr;
  // Page "История".
  ui::ListView* lv_connhist = nullptr;
  ui::GroupBox* gb_fileshist = nullptr;
  ui::ListView* lv_fileshist = nullptr;
  // Page "Статистика".
  ui::CheckBox* cb_statrefresh = nullptr;
  ui::Edit* m_statsv = nullptr;
  ui::Edit* m_statws = nullptr;
  ui::Label* l_ntin = nullptr;
  ui::Label* l_ntout = nullptr;
  ui::Label* l_nfiles = nullptr;
  ui::Label* l_nconns = nullptr;
};

// The six pages of the main page control, in index order.
enum MainPage {
  kPageConnections = 0,
  kPageSecurity = 1,
  kPageResources = 2,
  kPageSettings = 3,
  kPageStatistics = 4,
  kPageHistory = 5,
};

}  // namespace ov
