#pragma once
// The main window's controls and settings the access policy reads, live,
// every time it checks a session or a file.
#include "platform/ui.h"

namespace ov::monitor {

struct PolicyView {
  ui::ListBox& ListBox1;      // computer names or dotted addresses
  ui::ListBox& ListBox2;      // user names
  ui::CheckBox& sec_logic;    // ListBox1 names the only computers allowed
  ui::CheckBox& SecurityCB1;  // access closed to everybody
  ui::CheckBox& cb_kickpipe;  // every open-file entry is closed
  ui::CheckBox& cb_denyf;     // the open-file limit is on
  ui::SpinEdit& n_denyf;      // ... and keeps this many entries open
  const int& AutoKick;        // idle kick on when not 0
  const int& KickTime;        // idle minutes before the idle kick
};

}  // namespace ov::monitor
