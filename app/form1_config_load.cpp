// Reading "OV.CFG" at start: every key in the order of the configuration
// table, each applied at once to its control or variable. Check boxes and
// spin boxes run their handlers when the value changes their state.
#include <cstdint>

#include "app/config_file.h"
#include "app/form1.h"
#include "app/program_path.h"
#include "platform/hot_key_word.h"

namespace ov {

namespace {

// Characters of the file-log name, its terminating zero included.
constexpr std::size_t kLogNameCapacity = 200;
// Enough of a number's text to see its sign.
constexpr std::size_t kNumberTextCapacity = 16;
constexpr int kDefaultKickTime = 10;

}  // namespace

std::string TForm1::ConfigPath() const {
  return ProgramFilePath(services_.programDir, "OV.CFG");
}

void TForm1::LoadSettings() {
  const ConfigFile cfg(ConfigPath());
  t_log->setText(
      cfg.readString("Log", "Files", "netfiles.log", kLogNameCapacity));
  LogEnabled = cfg.readInt("Log", "Use", 0) != 0;
  logbox->setChecked(LogEnabled);
  cfg.loadCheckBox("Log", "LogPipes", false, *cb_logsys);
  IgnoreLocal = cfg.readInt("Log", "LocalCheck", 0) != 0;
  cb_ignorelocal->setChecked(IgnoreLocal);
  cfg.loadCheckBox("Log", "DenyFiles", false, *cb_denyf);
  n_denyf->setValue(cfg.readInt("Log", "OpenFiles", 0));
  cfg.loadCheckBox("Log", "NullSession", true, *cb_lognullconn);

  AutoKick = cfg.readInt("Kick", "AutoKick", 1);
  mochilkabox->setChecked(AutoKick != 0);
  // The spin box kicktime shows it later in the start-up. A negative limit
  // (a damaged file) would reach the box as 0 and drop every session.
  KickTime = cfg.readString("Kick", "KickTime", "", kNumberTextCapacity)
                     .starts_with('-')
                 ? kDefaultKickTime
                 : cfg.readInt("Kick", "KickTime", kDefaultKickTime);
  cfg.loadCheckBox("Kick", "Logic", false, *sec_logic);
  cfg.loadCheckBox("Kick", "Pipes", false, *cb_kickpipe);

  const int width = cfg.readInt("Window", "Width", 580);
  const int height = cfg.readInt("Window", "Heigth", 360);
  const ui::Rect bounds = Form1->bounds();
  Form1->setBounds({bounds.left, bounds.top, width, height});
  cfg.loadCheckBox("Window", "HideOnClose", true, *Close_minim);

  loadHotKeys(cfg);
  cfg.loadCheckBox("Display", "Balloons", true, *cb_conninfo);
  cfg.loadCheckBox("Display", "CleanTable", true, *cb_cleantable);
  cfg.loadCheckBox("Sound", "OnConnect", false, *cb_connsound);
  cfg.loadCheckBox("Options", "Rules", false, *cb_rules);
  loadColumnWidths(cfg);
  cfg.loadCheckBox("Other", "StatRefresh", true, *cb_statrefresh);
  traffic.LoadLogInterval(cfg.path());

  // The timer takes the value as read; the spin box then brings it within
  // its bounds through its change handler.
  Timer3->setInterval(
      static_cast<uint32_t>(cfg.readInt("Timer", "Refresh", tobnovl->value())));
  tobnovl->setValue(static_cast<int>(Timer3->interval()));

  traffic.LoadTrafficSettings(cfg.path());
}

void TForm1::loadHotKeys(const ConfigFile& cfg) {
  const auto read = [&](std::string_view key, int defaultValue) {
    return static_cast<uint16_t>(cfg.readInt("HotKey", key, defaultValue));
  };
  const uint16_t key = read("Key", 122);
  const uint16_t modifiers = read("Mod", 1);
  const uint16_t kickKey = read("KickKey", 123);
  const uint16_t kickModifiers = read("KickMod", 1);
  hk1->setValue(HotKeyWord(modifiers, key));
  hk2->setValue(HotKeyWord(kickModifiers, kickKey));
  // The fields cannot show Shift, and their change handlers have just
  // derived the values from what they show; the values registered are the
  // ones read.
  Key = key;
  Mod = modifiers;
  KickKey = kickKey;
  KickMod = kickModifiers;
}

}  // namespace ov
