#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "sim_run.h"

namespace ov::sim::testing {
namespace {

using ::testing::ElementsAre;

std::string demoText() {
  std::ifstream in(ORVANE_DEMO_DIR "/lan.scn", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(DemoScenario, ParsesAndPlaysASmallLan) {
  const Scenario parsed = readScenarioFile(ORVANE_DEMO_DIR "/lan.scn");
  ASSERT_FALSE(parsed.events.empty());
  EXPECT_LE(parsed.events.back().timeMs, 150000u);

  SimRun run(demoText());
  run.runTo(35);
  EXPECT_THAT(run.sessionNames(), ElementsAre("BUH-1/ivanova", "SKLAD/petrov",
                                              "192.168.1.35/guest"));
  std::vector<std::string> paths;
  for (const auto& f : run.files()) paths.push_back(f.fi3_pathname);
  EXPECT_THAT(
      paths,
      ElementsAre("D:\\Docs\\Баланс 2006.xls", "D:\\Docs\\Отчёты",
                  "D:\\Price List\\Прайс \"Опт\".doc", "\\PIPE\\spoolss"));
  EXPECT_TRUE(run.lan.fileSystem().isDirectory(paths[1]));
  EXPECT_FALSE(run.lan.fileSystem().isDirectory(paths[0]));

  // Every client's name resolves to an address and back.
  Sockets& net = run.lan.sockets();
  for (const auto& s : run.sessions()) {
    const auto address = net.inet_addr(s.sesi502_cname);
    const auto host = address ? net.gethostbyaddr(*address)
                              : net.gethostbyname(s.sesi502_cname);
    EXPECT_TRUE(host) << s.sesi502_cname;
  }

  run.runTo(130);
  EXPECT_TRUE(run.sessions().empty());
  EXPECT_TRUE(run.files().empty());
  // The one user event opens the window from the tray.
  ASSERT_EQ(run.userEvents.size(), 1u);
  EXPECT_EQ(run.userEvents[0].args,
            (std::vector<std::string>{"tray", "dblclick"}));
}

}  // namespace
}  // namespace ov::sim::testing
