#pragma once
// The page "Статистика" brought up to date: what the system counts for the
// server and workstation services of this machine, the chosen interface's
// totals and the run's counters.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/locale.h"
#include "platform/netapi.h"
#include "platform/ui.h"
#include "traffic/ttraffic.h"

namespace ov {

struct StatisticsView {
  ui::Edit& m_statsv;   // the server service
  ui::Edit& m_statws;   // the workstation service
  ui::Label& l_ntin;    // the interface's inbound total
  ui::Label& l_ntout;   // ... and outbound
  ui::Label& l_nfiles;  // file openings counted in this run
  ui::Label& l_nconns;  // connections listed in the history
};

// The counters the monitor keeps over the run.
struct RunCounters {
  uint64_t fileOpenings = 0;
  uint64_t connectionsListed = 0;
};

class StatisticsPage {
 public:
  StatisticsPage(NetApi& net, Clock& clock, Locale& locale, TTraffic& traffic)
      : net_(net), clock_(clock), locale_(locale), traffic_(traffic) {}

  // A service whose call fails leaves its box as it was.
  void Refresh(const StatisticsView& view, const RunCounters& run);

 private:
  NetApi& net_;
  Clock& clock_;
  Locale& locale_;
  TTraffic& traffic_;
};

// Lines as one text of a multi-line box.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace ov
