// The settings page's handlers that mirror a control into the variable the
// rest of the program reads, or apply it at once.
#include "app/form1.h"
#include "platform/hot_key_word.h"

namespace ov {

void TForm1::connectSettingsHandlers() {
  logbox->onClick = [this] { logboxClick(); };
  cb_ignorelocal->onClick = [this] { cb_ignorelocalClick(); };
  mochilkabox->onClick = [this] { mochilkaboxClick(); };
  kicktime->onChange = [this] { kicktimeChange(); };
  tobnovl->onChange = [this] { tobnovlChange(); };
  hk1->onChange = [this] { hk1Change(); };
  hk2->onChange = [this] { hk2Change(); };
}

void TForm1::logboxClick() { LogEnabled = logbox->checked(); }

void TForm1::cb_ignorelocalClick() { IgnoreLocal = cb_ignorelocal->checked(); }

void TForm1::mochilkaboxClick() { AutoKick = mochilkabox->checked() ? 1 : 0; }

void TForm1::kicktimeChange() { KickTime = kicktime->value(); }

void TForm1::tobnovlChange() {
  Timer3->setInterval(static_cast<uint32_t>(tobnovl->value()));
}

void TForm1::hk1Change() {
  Mod = HotKeyModifiers(hk1->value());
  Key = HotKeyVirtualKey(hk1->value());
}

void TForm1::hk2Change() {
  KickMod = HotKeyModifiers(hk2->value());
  KickKey = HotKeyVirtualKey(hk2->value());
}

}  // namespace ov
