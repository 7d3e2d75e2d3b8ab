#include "traffic/statistics_page.h"

#include "traffic/statistics_text.h"

namespace ov {

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

void StatisticsPage::Refresh(const StatisticsView& view,
                             const RunCounters& run) {
  // The local machine's services; the monitor keeps watching its server.
  NetApi::Statistics server;
  const bool serverRead =
      net_.NetStatisticsGet("", "LanmanServer", 0, 0, server) == NERR_Success;
  NetApi::Statistics workstation;
  const bool workstationRead =
      net_.NetStatisticsGet("", "LanmanWorkstation", 0, 0, workstation) ==
      NERR_Success;
  // A Samba server, for one, has no workstation service: the other box
  // still shows what its service counts.
  if (workstationRead)
    view.m_statws.setText(JoinLines(WorkstationLines(workstation.workstation)));
  if (serverRead)
    view.m_statsv.setText(
        JoinLines(ServerLines(server.server, clock_.unixTime())));
  view.l_nfiles.setCaption(std::to_string(run.fileOpenings));
  view.l_nconns.setCaption(std::to_string(run.connectionsListed));
  traffic_.SampleCounters();
  const std::string separator = locale_.thousandsSeparator();
  view.l_ntin.setCaption(GroupThousands(traffic_.inTotal(), separator) +
                         " (кб)");
  view.l_ntout.setCaption(GroupThousands(traffic_.outTotal(), separator) +
                          " (кб)");
}

}  // namespace ov
