// The page "Статистика": what the system counts for the server and the
// workstation services, the chosen interface's totals, the run's counters.
#include "app/form1.h"
#include "traffic/statistics_page.h"

namespace ov {

namespace {

constexpr int kWorkstationLines = 13;

}  // namespace

void TForm1::buildStatisticsPage(ui::Container& page) {
  ui::WindowSystem& ws = services_.windows;
  ui::GroupBox& server = ws.createGroupBox(
      page, {"gb_statsv", {5, 0, 270, 120}, "Служба сервера", ""});
  m_statsv = &ws.createMemo(server, {"m_statsv", {5, 15, 260, 100}});
  m_statsv->setReadOnly(true);
  ui::GroupBox& workstation = ws.createGroupBox(
      page, {"gb_statws", {280, 0, 275, 235}, "Служба раб.станции", ""});
  // Placeholders until the first refresh: the digits 1 to 9, 0, 1, 2, 3.
  std::vector<std::string> placeholders;
  for (int line = 1; line <= kWorkstationLines; ++line)
    placeholders.push_back(std::to_string(line % 10));
  m_statws = &ws.createMemo(
      workstation, {"m_statws", {5, 15, 265, 215}, JoinLines(placeholders)});
  m_statws->setReadOnly(true);

  // Each caption, sized to its text, with its value on the same row.
  ui::GroupBox& traffic = ws.createGroupBox(
      page, {"gb_traffic",
             {5, 122, 270, 55},
             "Траффик",
             "Траффик выбранного сетевого интерфейса по данным системы"});
  ws.createLabel(traffic, {"l_tin", {8, 17, 0, 0}, "Входящий"});
  l_ntin = &ws.createLabel(traffic, {"l_ntin", {165, 17, 100, 13}, "l_ntin"});
  ws.createLabel(traffic, {"l_tout", {8, 35, 0, 0}, "Исходящий"});
  l_ntout =
      &ws.createLabel(traffic, {"l_ntout", {165, 35, 100, 13}, "l_ntout"});
  ui::GroupBox& run = ws.createGroupBox(
      page, {"gb_run",
             {5, 179, 270, 55},
             "За время работы",
             "Количество открытых файлов и установленных соединений за "
             "время работы программы"});
  ws.createLabel(run, {"l_conns", {8, 17, 0, 0}, "Открыто файлов:"});
  l_nfiles = &ws.createLabel(run, {"l_nfiles", {165, 17, 100, 13}, "l_nfiles"});
  ws.createLabel(run, {"l_files", {8, 35, 0, 0}, "Подключений в истории:"});
  l_nconns = &ws.createLabel(run, {"l_nconns", {165, 35, 100, 13}, "l_nconns"});

  cb_statrefresh = &ws.createCheckBox(
      page,
      {"cb_statrefresh", {8, 240, 250, 17}, "Автообновление статистики", ""},
      false);
}

void TForm1::RefreshStatistics() {
  StatisticsPage(services_.net, services_.clock, services_.locale, traffic)
      .Refresh(statisticsPage(), {connections->fileOpeningsCounted(),
                                  connections->connectionsListed()});
}

}  // namespace ov
