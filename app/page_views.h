#pragma once
// The main window and its pages as views: the controls of one page, by the
// names the window gives them. The handlers' helpers and the tests reach a
// page's controls through its view, not through the form.
#include "platform/ui.h"
#include "traffic/statistics_page.h"

namespace ov {

// The window around the pages: the page control and the status bar.
struct MainWindowView {
  ui::Form& Form1;
  ui::PageControl& stranichki;
  ui::StatusBar& sb;
};

// The page "Подключения": the connections and open-files grids and the
// activity graph beside them.
struct ConnectionsPageView {
  ui::StringGrid& st_conns;
  ui::StringGrid& st_files;
  ui::Image& Image1;
};

// The page "Безопасность": the tab "По категориям" with the computer and
// user lists, and the tab "Универсальные" with the rules editor.
struct SecurityPageView {
  ui::PageControl& PageControl1;
  ui::GroupBox& gb_kickcomputers;
  ui::GroupBox& gb_kickusers;
  ui::ListBox& ListBox1;  // computer list
  ui::ListBox& ListBox2;  // user list
  ui::CheckBox& sec_logic;
  ui::Button& save1but;
  ui::Button& save2;
  ui::CheckBox& cb_rules;
  ui::ListView& lv_rules;
  ui::Edit& t_user;  // the rule's address
  ui::ComboBox& cb_event;
  ui::Edit& t_parame;  // the event's parameter
  ui::ComboBox& cb_actions;
  ui::Label& lb_param;
  ui::Edit& t_param;  // the action's parameter
  ui::RadioGroup& rg1;
  ui::Button& b_addrule;
  ui::Button& b_delrule;
};

// The page "Ресурсы": the shares and the open files' list.
struct ResourcesPageView {
  ui::GroupBox& gb_resources;
  ui::ListView& lv_shares;
  ui::ListBox& ListBox4;
  ui::Button& refreshshares;
  ui::Button& addres;
  ui::Button& editres;
  ui::Button& saveres;
};

// The page "Настройки".
struct SettingsPageView {
  ui::CheckBox& mochilkabox;
  ui::SpinEdit& kicktime;
  ui::CheckBox& SecurityCB1;
  ui::CheckBox& cb_denyf;
  ui::SpinEdit& n_denyf;
  ui::CheckBox& Close_minim;
  ui::CheckBox& AutoRun;
  ui::Edit& Edit1;
  ui::SpinEdit& tobnovl;
  ui::HotKey& hk1;
  ui::HotKey& hk2;
  ui::Button& b_reghk;
  ui::Button& Button111;
  ui::CheckBox& logbox;
  ui::Edit& t_log;
  ui::CheckBox& cb_ignorelocal;
  ui::CheckBox& cb_logsys;
  ui::CheckBox& cb_kickpipe;
  ui::CheckBox& cb_lognullconn;
  ui::CheckBox& cb_connsound;
  ui::CheckBox& cb_conninfo;
  ui::CheckBox& cb_cleantable;
};

// The page "Статистика": the boxes and labels the refresh fills, and the
// automatic refresh's switch.
struct StatisticsPageView : StatisticsView {
  ui::CheckBox& cb_statrefresh;
};

// The page "История": the ended connections and the files opened.
struct HistoryPageView {
  ui::ListView& lv_connhist;
  ui::GroupBox& gb_fileshist;
  ui::ListView& lv_fileshist;
};

}  // namespace ov
