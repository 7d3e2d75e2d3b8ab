// The menu "&Инструменты" and the tools the connections grid's menu opens
// too, and the about window.
#include "admin/computer_info.h"
#include "admin/log_search.h"
#include "admin/messenger.h"
#include "admin/pinger.h"
#include "app/about_window.h"
#include "app/form1.h"
#include "app/grid_selection.h"

namespace ov {

void TForm1::buildToolsMenu() {
  ui::MenuItem& tools =
      MainMenu1->addItem(nullptr, {"N11", "&Инструменты", ""});
  const auto item = [&](const char* name, const char* caption,
                        const char* shortcut, void (TForm1::*handler)()) {
    ui::MenuItem& added = MainMenu1->addItem(&tools, {name, caption, shortcut});
    added.onClick = [this, handler] { (this->*handler)(); };
    return &added;
  };
  mnu_netsend =
      item("mnu_netsend", "Net &sender", "F3", &TForm1::mnu_netsendClick);
  mnu_pinger = item("mnu_pinger", "&Pinger", "F4", &TForm1::mnu_pingerClick);
  N20 = item("N20", "О &компьютере...", "", &TForm1::N20Click);
  MainMenu1->addItem(&tools, {"N12", "-", ""});
  mnu_traffic =
      item("mnu_traffic", "Контроль &траффика", "", &TForm1::mnu_trafficClick);
  MainMenu1->addItem(&tools, {"N13", "-", ""});
  N31 = item("N31", "Отчет по тра&ффику", "", &TForm1::N31Click);
  mnu_report =
      item("mnu_report", "&Отчет о подключениях", "", &TForm1::mnu_reportClick);
  N21 = item("N21", "&Поиск в логе по файлам", "", &TForm1::N21Click);
}

void TForm1::mnu_netsendClick() {
  std::vector<std::string> recipients;
  connections->addClientNamesForPickers(recipients);
  admin::ShowMessenger(
      messengerContext(), LocalHostName, recipients, SelectedCell(*st_conns, 0),
      [this](ui::Button& button) { DialogButtonClick(button); });
}

admin::MessengerContext TForm1::messengerContext() {
  return {services_.windows, *Form1, currentDialog, services_.mailslots,
          services_.locale};
}
void TForm1::mnu_pingerClick() {
  std::vector<std::string> hosts;
  connections->addClientNamesForPickers(hosts);
  admin::ShowPinger(pingerContext(), hosts, SelectedCell(*st_conns, 0),
                    [this](ui::Button& button) { DialogButtonClick(button); });
}

admin::PingerContext TForm1::pingerContext() {
  return {services_.windows, *Form1,          currentDialog, services_.icmp,
          services_.sockets, services_.locale};
}
void TForm1::N20Click() {
  // An empty cell asks this machine.
  admin::ShowComputerInfo(services_.net, services_.windows,
                          SelectedCell(*st_conns, 0));
}
void TForm1::N21Click() {
  admin::ShowLogSearch(services_.windows, *Form1, currentDialog,
                       [this](ui::Button& button) { tmpbClick(button); });
}

void TForm1::tmpbClick(ui::Button& button) {
  admin::LogSearchButton(button, currentDialog, t_log->text());
}
void TForm1::mnu_aboutClick() {
  AboutWindow about(services_.windows, *Form1, currentDialog, services_.timers,
                    services_.shell);
  about.showModal();
}

void TForm1::DialogButtonClick(ui::Button& button) {
  admin::RunDialogButton(button, dialogBranches);
}

}  // namespace ov
