// The two system-wide hot keys: show or hide the window, and disconnect
// everybody.
#include "app/form1.h"

namespace ov {

namespace {

constexpr int kShowHideId = 16;
constexpr int kKickAllId = 17;

}  // namespace

void TForm1::RegisterHotKeys() {
  // Withdrawn first, so that saving unchanged combinations registers them
  // again and a replaced combination stops acting.
  services_.hotKeys.UnregisterHotKey(kShowHideId);
  services_.hotKeys.UnregisterHotKey(kKickAllId);
  const bool showHide = services_.hotKeys.RegisterHotKey(kShowHideId, Mod, Key);
  const bool kickAll =
      services_.hotKeys.RegisterHotKey(kKickAllId, KickMod, KickKey);
  if (!showHide || !kickAll)
    services_.windows.messageBox(
        Form1,
        "Невозможно зарегистрировать 'горячие клавиши' (видимо, они уже "
        "зарегистрированы за Orvane, либо за другой программой)",
        "Ошибка", ui::MB_ICONWARNING);
}

void TForm1::HotKeyPressed(int id) {
  if (id == kShowHideId) {
    if (HiddenInTray)
      pm_openClick();
    else
      HideToTray();
  } else if (id == kKickAllId) {
    kickAll();
  }
}

void TForm1::b_reghkClick() {
  RegisterHotKeys();
  SaveAllSettings();
}

}  // namespace ov
