// Writing "OV.CFG": the display settings (also at close) and the full save
// the user asks for. Each key comes from the current state of its control
// or variable.
#include "app/config_file.h"
#include "app/form1.h"

namespace ov {

void TForm1::SaveDisplaySettings() {
  const ConfigFile cfg(ConfigPath());
  const ui::Rect bounds = Form1->bounds();
  cfg.writeInt("Window", "Width", bounds.width);
  cfg.writeInt("Window", "Heigth", bounds.height);
  cfg.writeCheckBox("Window", "HideOnClose", *Close_minim);
  cfg.writeInt("Timer", "Refresh", tobnovl->value());
  cfg.writeCheckBox("Display", "Balloons", *cb_conninfo);
  cfg.writeCheckBox("Display", "CleanTable", *cb_cleantable);
  cfg.writeCheckBox("Other", "StatRefresh", *cb_statrefresh);
  cfg.writeCheckBox("Options", "Rules", *cb_rules);
  saveColumnWidths(cfg);
}

void TForm1::SaveAllSettings() {
  SaveDisplaySettings();
  const ConfigFile cfg(ConfigPath());
  cfg.writeInt("Kick", "Autokick", AutoKick);
  cfg.writeInt("Kick", "KickTime", KickTime);
  cfg.writeCheckBox("Kick", "Logic", *sec_logic);
  cfg.writeCheckBox("Kick", "Pipes", *cb_kickpipe);
  cfg.writeFlag("Log", "Use", LogEnabled);
  cfg.writeFlag("Log", "LocalCheck", IgnoreLocal);
  cfg.writeCheckBox("Log", "LogPipes", *cb_logsys);
  cfg.writeCheckBox("Log", "DenyFiles", *cb_denyf);
  cfg.writeInt("Log", "OpenFiles", n_denyf->value());
  cfg.writeString("Log", "Files", t_log->text());
  cfg.writeCheckBox("Log", "NullSession", *cb_lognullconn);
  cfg.writeInt("HotKey", "Key", Key);
  cfg.writeInt("HotKey", "Mod", Mod);
  cfg.writeInt("HotKey", "KickKey", KickKey);
  cfg.writeInt("HotKey", "KickMod", KickMod);
  cfg.writeCheckBox("Sound", "OnConnect", *cb_connsound);
}

void TForm1::mnu_savecfgClick() { SaveAllSettings(); }

}  // namespace ov
