// The statistics page's refresh on its own: the two service boxes, the
// interface totals and the run's counters, and what a failed call leaves.
#include <gtest/gtest.h>

#include <string>

#include "platform/headless/headless_locale.h"
#include "platform/headless/virtual_clock.h"
#include "platform/headless/window_system.h"
#include "platform/journal.h"
#include "platform/sim/sim_lan.h"
#include "tests/support/contains.h"
#include "traffic/statistics_page.h"

namespace ov::test {
namespace {

struct Refresh {
  explicit Refresh(const char* scenario)
      : lan(clock, journal, sim::parseScenario(scenario, "stats.scn")) {
    ui::Form& form = windows.createForm({"Form1", {0, 0, 600, 400}, "", ""});
    view.emplace(StatisticsView{
        windows.createMemo(form, {"m_statsv", {0, 0, 10, 10}, "sv"}),
        windows.createMemo(form, {"m_statws", {0, 0, 10, 10}, "ws"}),
        windows.createLabel(form, {"l_ntin", {0, 0, 10, 10}, "in"}),
        windows.createLabel(form, {"l_ntout", {0, 0, 10, 10}, "out"}),
        windows.createLabel(form, {"l_nfiles", {0, 0, 10, 10}, "files"}),
        windows.createLabel(form, {"l_nconns", {0, 0, 10, 10}, "conns"})});
    playTo(0);
    traffic.SelectDefaultInterface();
  }
  void playTo(uint64_t ms) {
    for (auto due = lan.player().nextDueMs(); due && *due <= ms;
         due = lan.player().nextDueMs()) {
      clock.advanceTo(*due);
      while (lan.player().advance(*due)) {
      }
    }
    clock.advanceTo(ms);
  }
  void refresh(RunCounters run) {
    StatisticsPage(lan.netApi(), clock, locale, traffic).Refresh(*view, run);
  }

  headless::VirtualClock clock{LocalDateTime{2026, 3, 5, 9, 0, 0}};
  Journal journal{[this] { return clock.tickMs(); }};
  sim::SimLan lan;
  headless::WindowSystem windows;
  headless::HeadlessLocale locale;
  TTraffic traffic{lan.interfaces(), clock};
  std::optional<StatisticsView> view;
};

TEST(StatisticsRefresh, FillsBothBoxesTheTotalsAndTheRunsCounters) {
  Refresh page(
      "0 stats server sts0_fopens=3 sts0_sopens=2\n"
      "0 stats workstation Sessions=5\n"
      "0 iface eth0 in=2048000 out=1024\n");
  page.refresh({7, 3});
  EXPECT_TRUE(contains(page.view->m_statsv.text(), "Файлов открыто: 3\r\n"))
      << page.view->m_statsv.text();
  EXPECT_TRUE(contains(page.view->m_statws.text(), "Сессий установлено: 5"));
  EXPECT_EQ(page.view->l_ntin.caption(), "2\u00A0000 (кб)");
  EXPECT_EQ(page.view->l_ntout.caption(), "1 (кб)");
  EXPECT_EQ(page.view->l_nfiles.caption(), "7");
  EXPECT_EQ(page.view->l_nconns.caption(), "3");
}

TEST(StatisticsRefresh, AFailedCallLeavesItsBoxAndTheOtherBoxFollows) {
  Refresh page(
      "0 stats server sts0_fopens=3\n"
      "0 stats workstation Sessions=5\n"
      "1 stats server sts0_fopens=4\n"
      "1 stats workstation Sessions=6\n"
      "1 fail NetStatisticsGet:LanmanWorkstation 50\n"
      "2 fail NetStatisticsGet:LanmanServer 53\n");
  page.refresh({});
  page.playTo(1000);
  page.refresh({});
  EXPECT_TRUE(contains(page.view->m_statsv.text(), "Файлов открыто: 4\r\n"));
  EXPECT_TRUE(contains(page.view->m_statws.text(), "Сессий установлено: 5"));
  page.playTo(2000);
  page.refresh({1, 1});
  EXPECT_TRUE(contains(page.view->m_statsv.text(), "Файлов открыто: 4\r\n"));
  EXPECT_TRUE(contains(page.view->m_statws.text(), "Сессий установлено: 6"));
  EXPECT_EQ(page.view->l_nfiles.caption(), "1");
}

}  // namespace
}  // namespace ov::test
