#pragma once
// The main window's controls the monitor cycle reads and writes, by the
// names the window gives them. Every setting is read live on each cycle.
#include "platform/ui.h"

namespace ov::monitor {

// Pages of stranichki the cycle writes to.
inline constexpr int kConnectionsPage = 0;  // "Подключения"
inline constexpr int kResourcesPage = 2;    // "Ресурсы"

struct MonitorView {
  ui::Form& Form1;
  ui::PageControl& stranichki;
  ui::StringGrid& st_conns;
  ui::StringGrid& st_files;
  ui::ListBox& ListBox4;
  ui::ListView& lv_connhist;
  ui::CheckBox& cb_cleantable;   // the connections grid shrinks to fit
  ui::CheckBox& cb_conninfo;     // new connections are announced
  ui::CheckBox& cb_connsound;    // ... with the connect sound
  ui::CheckBox& cb_rules;        // rule events are raised
  ui::CheckBox& cb_lognullconn;  // ended empty connections get no row
  ui::CheckBox& cb_logsys;       // open pipes are passed over
};

}  // namespace ov::monitor
