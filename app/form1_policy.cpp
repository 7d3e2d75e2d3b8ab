// The access policy in the main window: the minute tick's pass over the
// sessions, kicking everybody, and the grids' kick and close commands.
#include <charconv>
#include <optional>

#include "app/form1.h"
#include "app/grid_selection.h"
#include "monitor/minute_sessions.h"

namespace ov {

void TForm1::addConnsCommandItems() {
  N9 = &PopupMenu3->addItem(nullptr, {"N9", "Открыть", "", true});
  N9->onClick = [this] { N9Click(); };
  st_conns->onDblClick = [this] { N9Click(); };
  N5 = &PopupMenu3->addItem(nullptr, {"N5", "О компьютере...", ""});
  N5->onClick = [this] { N20Click(); };
  N4 = &PopupMenu3->addItem(nullptr, {"N4", "Мочить!", ""});
  N4->onClick = [this] { N4Click(); };
  ui::MenuItem& security =
      PopupMenu3->addItem(nullptr, {"pm_security", "Безопасность", ""});
  N6 = &PopupMenu3->addItem(&security, {"N6", "Добавить в...", ""});
  N6->onClick = [this] { N6Click(); };
  N47 = &PopupMenu3->addItem(&security,
                             {"N47", "Мочить пользователя всегда", ""});
  N47->onClick = [this] { N47Click(); };
  // These two only choose the main menu's items.
  pm_sendmsg =
      &PopupMenu3->addItem(nullptr, {"pm_sendmsg", "Послать сообщение", ""});
  pm_sendmsg->onClick = [this] { mnu_netsend->click(); };
  pm_ping = &PopupMenu3->addItem(nullptr, {"pm_ping", "Пинговать", ""});
  pm_ping->onClick = [this] { mnu_pinger->click(); };
}

void TForm1::addFilesCommandItems() {
  N3 = &PopupMenu2->addItem(nullptr, {"N3", "Закрыть файл", "", true});
  N3->onClick = [this] { N3Click(); };
  N26 =
      &PopupMenu2->addItem(nullptr, {"N26", "Мочить пользователя всегда", ""});
  N26->onClick = [this] { N26Click(); };
  mi_openpath = &PopupMenu2->addItem(
      nullptr, {"mi_openpath", "Открыть папку с файлом", ""});
  mi_openpath->onClick = [this] { mi_openpathClick(); };
}

void TForm1::minuteSessions() {
  monitor::minuteSessionPass(services_.net, watchedServer,
                             [this](const SESSION_INFO_502& session) {
                               activity.addSession(session.sesi502_idle_time);
                               accessPolicy->idleChecks(session);
                             });
}

void TForm1::kickAll() { accessPolicy->kickAll(); }

void TForm1::N4Click() {
  const std::string client = SelectedCell(*st_conns, 0);
  if (client.empty()) return;
  accessPolicy->disconnect(client, std::nullopt);
}

void TForm1::N3Click() {
  const std::string idText = SelectedCell(*st_files, 1);
  uint32_t fileId = 0;
  const char* end = idText.data() + idText.size();
  const auto [stop, error] = std::from_chars(idText.data(), end, fileId);
  // An empty cell, or one that holds no identifier, closes nothing.
  if (idText.empty() || error != std::errc() || stop != end) return;
  accessPolicy->closeFile(fileId);
}

}  // namespace ov
