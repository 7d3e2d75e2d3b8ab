// The main window and its pages as views of their controls.
#include "app/form1.h"

namespace ov {

MainWindowView TForm1::mainWindow() { return {*Form1, *stranichki, *sb}; }

ConnectionsPageView TForm1::connectionsPage() {
  return {*st_conns, *st_files, *Image1};
}

SecurityPageView TForm1::securityPage() {
  return {*PageControl1, *gb_kickcomputers, *gb_kickusers, *ListBox1,
          *ListBox2,     *sec_logic,        *save1but,     *save2,
          *cb_rules,     *lv_rules,         *t_user,       *cb_event,
          *t_parame,     *cb_actions,       *lb_param,     *t_param,
          *rg1,          *b_addrule,        *b_delrule};
}

ResourcesPageView TForm1::resourcesPage() {
  return {*gb_resources, *lv_shares, *ListBox4, *refreshshares,
          *addres,       *editres,   *saveres};
}

SettingsPageView TForm1::settingsPage() {
  return {*mochilkabox,
          *kicktime,
          *SecurityCB1,
          *cb_denyf,
          *n_denyf,
          *Close_minim,
          *AutoRun,
          *Edit1,
          *tobnovl,
          *hk1,
          *hk2,
          *b_reghk,
          *Button111,
          *logbox,
          *t_log,
          *cb_ignorelocal,
          *cb_logsys,
          *cb_kickpipe,
          *cb_lognullconn,
          *cb_connsound,
          *cb_conninfo,
          *cb_cleantable};
}

StatisticsPageView TForm1::statisticsPage() {
  return {{*m_statsv, *m_statws, *l_ntin, *l_ntout, *l_nfiles, *l_nconns},
          *cb_statrefresh};
}

HistoryPageView TForm1::historyPage() {
  return {*lv_connhist, *gb_fileshist, *lv_fileshist};
}

MonitorPartsView TForm1::monitorParts() {
  return {watchedServer, cycleCounters, sessionAddresses, *connections,
          *rules,        *monitorCycle, UnloggedPaths,    LocalHostName};
}

KeptSettingsView TForm1::keptSettings() {
  return {LogEnabled, IgnoreLocal, AutoKick, KickTime,
          Key,        Mod,         KickKey,  KickMod};
}

ToolDialogsView TForm1::toolDialogs() {
  return {currentDialog, dialogBranches};
}

TrafficPartsView TForm1::trafficParts() {
  return {traffic, activity, *hoverWatch};
}

RunStateView TForm1::runState() {
  return {*Timer2, *Timer3, HiddenInTray, UptimeSeconds};
}

}  // namespace ov
