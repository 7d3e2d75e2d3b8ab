#include "app/form1.h"

#include <cstdio>

#include "app/cell_colors.h"
#include "app/local_host_name.h"
#include "monitor/display_headers.h"

namespace ov {

namespace {

constexpr int kDesignWidth = 598;
constexpr int kDesignHeight = 363;
// Below this a setting or a drag would leave a window nobody can use.
constexpr int kSmallestWidth = 400;
constexpr int kSmallestHeight = 100;
constexpr uint32_t kTrayIconId = 1007;

}  // namespace

TForm1::TForm1(Services& services)
    : services_(services),
      tray(std::make_unique<TTRAY>(services.tray, services.timers)) {
  ui::WindowSystem& ws = services_.windows;
  Form1 = &ws.createForm(
      {"Form1", {0, 0, kDesignWidth, kDesignHeight}, "Orvane", ""});
  Form1->setSmallestSize(kSmallestWidth, kSmallestHeight);
  buildMainMenu();
  const ui::Rect client = Form1->clientRect();
  stranichki = &ws.createPageControl(
      *Form1, {{"stranichki", {0, 0, client.width, client.height - 19}, "", ""},
               {"Подключения", "Безопасность", "Ресурсы", "Настройки",
                "Статистика", "История"}});
  buildConnectionsPage(stranichki->page(kPageConnections));
  buildSecurityPage(stranichki->page(kPageSecurity));
  buildResourcesPage(stranichki->page(kPageResources));
  buildSettingsPage(stranichki->page(kPageSettings));
  buildStatisticsPage(stranichki->page(kPageStatistics));
  buildHistoryPage(stranichki->page(kPageHistory));
  sb = &ws.createStatusBar(
      *Form1,
      {{"sb", {0, client.height - 19, client.width, 19}, "", ""}, {400, 40}});
  hoverWatch = std::make_unique<HoverWatch>(services_.timers, ws, *Image1, *sb);

  Timer1 = services_.timers.createTimer(1000, true);
  Timer1->onTimer = [this] { Timer1Timer(); };
  Timer3 = services_.timers.createTimer(1000, true);
  Timer3->onTimer = [this] { Timer3Timer(); };
  Timer2 = services_.timers.createTimer(60000, true);
  Timer2->onTimer = [this] { Timer2Timer(); };
  Form1->onCloseQuery = [this] { return FormCloseQuery(); };
  dialogBranches.trafficOk = [this] { TrOkClick(); };
  dialogBranches.ping = [this] { admin::PingFromPinger(pingerContext()); };
  dialogBranches.send = [this] {
    admin::SendFromMessenger(messengerContext());
  };
  dialogBranches.addShare = [this] {
    admin::AddShareFromEditor(shareEditorContext());
  };
  dialogBranches.modifyShare = [this] {
    admin::ModifyShareFromEditor(shareEditorContext());
  };
  dialogBranches.browse = [this] {
    admin::BrowseForSharePath(shareEditorContext());
  };
  buildMonitor();
  buildTrayMenu();
  services_.hotKeys.onHotKey = [this](int id) { HotKeyPressed(id); };
  b_reghk->onClick = [this] { b_reghkClick(); };
  Button111->onClick = [this] { Button111Click(); };
  AutoRun->onClick = [this] { AutoRunClick(); };
  t_log->onDblClick = [this] { N25Click(); };
  st_conns->onCellColor = [this](int, int row) {
    return ConnectionsCellColor(*st_conns, row);
  };
  st_files->onCellColor = [this](int, int row) {
    return OpenFilesCellColor(*st_files, row);
  };
  for (ui::StringGrid* grid : {st_conns, st_files})
    grid->onMouseMove = [this, grid](ui::Point at) {
      st_filesMouseMove(*grid, at);
    };

  FormCreate();
  Form1->onResize = [this] { FormResize(); };
  stranichki->onChange = [this] { stranichkiChange(); };
  FormResize();
  // Minimised until the start timer hides it a moment later.
  Form1->setWindowState(ui::WindowState::minimized);
}

TForm1::~TForm1() { services_.hotKeys.onHotKey = nullptr; }

void TForm1::FormCreate() {
  ClearActivityHistory();
  CreateCellHint();
  LoadSettings();
  // Without balloons there is no connection notice to offer.
  if (!tray->CanShowBalloons()) {
    cb_conninfo->setChecked(false);
    cb_conninfo->setEnabled(false);
  }
  writeGridHeaders();
  tray->Add(kTrayIconId, TrayIconImage::idle, "Монитор сети");
  tray->Modify(TrayIconImage::idle, "Соединений:0");
  kicktime->setValue(KickTime);
  // A value the box moved to a bound without a change of its own (a
  // negative one from a damaged file) would otherwise drop every session.
  kicktimeChange();
  refreshsharesClick();
  CheckAutoRun();
  LoadNameLists();
  rules->load(RulesPath());
  DrawActivityGraph();
  LocalHostName = ReadLocalHostName(services_.sockets);
}

void TForm1::CreateCellHint() {
  cellHint = std::make_unique<CellHint>(services_.windows, *Form1, *st_files);
}

void TForm1::st_filesMouseMove(const ui::StringGrid& grid, ui::Point client) {
  cellHint->MouseMove(grid, client);
}

void TForm1::writeGridHeaders() {
  for (size_t col = 0; col < monitor::kConnsGridHeaders.size(); ++col)
    st_conns->setCell(static_cast<int>(col), 0,
                      std::string(monitor::kConnsGridHeaders[col]));
  for (size_t col = 0; col < monitor::kFilesGridHeaders.size(); ++col)
    st_files->setCell(static_cast<int>(col), 0,
                      std::string(monitor::kFilesGridHeaders[col]));
}

bool TForm1::FormCloseQuery() {
  if (traffic.logging) traffic.AppendTrafficLog(TrafficLogPath());
  traffic.SaveTrafficSettings(ConfigPath());
  SaveDisplaySettings();
  rules->save(RulesPath());
  tray->Del();
  return true;
}

void TForm1::Timer1Timer() {
  UptimeSeconds += Timer1->interval() / 1000;
  if (Form1->windowState() == ui::WindowState::hidden ||
      Form1->windowState() == ui::WindowState::minimized)
    return;
  char text[64];
  std::snprintf(text, sizeof text, "Работаем: %02u:%02u:%02u       ",
                (UptimeSeconds % 86400) / 3600, (UptimeSeconds % 3600) / 60,
                UptimeSeconds % 60);
  sb->setPanelText(1, text);
  cellHint->Hide();
  if (cb_statrefresh->checked() && stranichki->activePage() == kPageStatistics)
    RefreshStatistics();
}

void TForm1::mnu_exitClick() { Form1->close(); }

}  // namespace ov
