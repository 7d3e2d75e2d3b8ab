// The session monitor in the main window: the tables and steps the monitor
// cycle works with, the cycle that Timer3 runs, and the watched server that
// Edit1 names.
#include "app/form1.h"

namespace ov {

void TForm1::buildMonitor() {
  connections = std::make_unique<monitor::ConnectionTable>(services_.clock,
                                                           services_.locale);
  accessPolicy = std::make_unique<monitor::AccessPolicy>(
      monitor::PolicyView{*ListBox1, *ListBox2, *sec_logic, *SecurityCB1,
                          *cb_kickpipe, *cb_denyf, *n_denyf, AutoKick,
                          KickTime},
      services_.net, watchedServer);
  rules = std::make_unique<monitor::RuleTable>(
      *lv_rules, monitor::RuleActionPorts{services_.net, services_.sound,
                                          services_.windows});
  fileLog = std::make_unique<monitor::FileLog>(
      monitor::FileLogView{*lv_fileshist, *t_log, *cb_ignorelocal, *cb_rules},
      monitor::FileLogSettings{LogEnabled, LocalHostName, UnloggedPaths},
      monitor::FileLogParts{*connections, sessionAddresses, cycleCounters,
                            *rules},
      services_.clock, services_.locale);
  monitorCycle = std::make_unique<monitor::MonitorCycle>(
      monitor::MonitorView{*Form1, *stranichki, *st_conns, *st_files, *ListBox4,
                           *lv_connhist, *cb_cleantable, *cb_conninfo,
                           *cb_connsound, *cb_rules, *cb_lognullconn,
                           *cb_logsys},
      monitor::MonitorPorts{services_.net, services_.sockets, services_.files,
                            services_.sound, services_.clock, services_.locale},
      monitor::MonitorParts{watchedServer, *connections, cycleCounters,
                            sessionAddresses, *accessPolicy, *rules, *fileLog,
                            *tray});
  Edit1->onKeyPress = [this](char key) { Edit1KeyPress(key); };
}

void TForm1::Timer3Timer() { monitorCycle->run(); }

void TForm1::Edit1KeyPress(char key) {
  // Tracked connections stay; the new levels apply from the next cycle.
  if (key == '\r')
    watchedServer.setFromEditText(Edit1->text(), services_.locale);
  // Every key shows the shares of the server as it is named now.
  refreshsharesClick();
}

}  // namespace ov
