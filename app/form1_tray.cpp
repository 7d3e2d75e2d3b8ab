// The program in the notification area: the start timer that hides the
// window, the hidden state, the close box, the tray icon's clicks and the
// tray menu, and the exit that saves nothing.
#include "app/form1.h"

namespace ov {

namespace {

constexpr uint32_t kStartTimerMs = 10;

}  // namespace

void TForm1::buildTrayMenu() {
  ui::WindowSystem& ws = services_.windows;
  PopupMenu1 = &ws.createMenu("PopupMenu1", true);
  pm_open = &PopupMenu1->addItem(
      nullptr, {"pm_open", "Открыть", "", /*isDefault=*/true});
  ui::MenuItem& logs =
      PopupMenu1->addItem(nullptr, {"pm_viewlog", "Смотреть лог", ""});
  N49 = &PopupMenu1->addItem(&logs, {"N49", "По файлам", ""});
  N50 = &PopupMenu1->addItem(&logs, {"N50", "По траффику", ""});
  PopupMenu1->addItem(nullptr, {"pm_line1", "-", ""});
  pm_closeall =
      &PopupMenu1->addItem(nullptr, {"pm_closeall", "Закр. доступ всем", ""});
  PopupMenu1->addItem(nullptr, {"pm_line2", "-", ""});
  N2 = &PopupMenu1->addItem(nullptr, {"N2", "Выход", ""});

  pm_open->onClick = [this] { pm_openClick(); };
  N49->onClick = [this] { N25Click(); };
  N50->onClick = [this] { N27Click(); };
  pm_closeall->onClick = [this] { pm_closeallClick(); };
  N2->onClick = [this] { N2Click(); };

  tray->onDoubleClick = [this] { TrayDblClick(); };
  tray->onRightClick = [this] {
    services_.windows.popUpAtPointer(*PopupMenu1);
  };
  Form1->onSysCommand = [this](unsigned command) {
    return WMSysCommand(command);
  };
  Timer4 = services_.timers.createTimer(kStartTimerMs, true);
  Timer4->onTimer = [this] { Timer4Timer(); };
}

void TForm1::Timer4Timer() {
  Timer4->setEnabled(false);
  Form1->setWindowState(ui::WindowState::hidden);
  HiddenInTray = true;
  RegisterHotKeys();
}

void TForm1::HideToTray() {
  if (!HiddenInTray) {
    Form1->setWindowState(ui::WindowState::minimized);
    Form1->setWindowState(ui::WindowState::hidden);
  }
  HiddenInTray = true;
}

void TForm1::RestoreFromTray() {
  Form1->setWindowState(ui::WindowState::normal);
}

bool TForm1::WMSysCommand(unsigned command) {
  if (command != ui::kSysCommandClose || !Close_minim->checked()) return false;
  HideToTray();
  return true;
}

void TForm1::TrayDblClick() {
  if (HiddenInTray) pm_openClick();
}

void TForm1::pm_openClick() {
  RestoreFromTray();
  HiddenInTray = false;
}

void TForm1::pm_closeallClick() {
  // The item flips its own mark and does not follow the check box later.
  pm_closeall->setChecked(!pm_closeall->checked());
  SecurityCB1->setChecked(pm_closeall->checked());
}

void TForm1::N2Click() { services_.windows.terminate(); }

}  // namespace ov
