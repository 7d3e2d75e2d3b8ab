// The traffic log as the running program writes it: the minute tick's
// interval and 23:59 lines, the exit line, and the settings dialog.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "lan_form.h"

namespace ov::test {
namespace {

// The scenario's "iface" lines as the world stands at start: 10 KB in and
// 2 KB out each second on eth0; lo has no physical address.
void addInterfaces(sim::World& world) {
  world.interfaces() = {{"lo", 0}, {"eth0", 6, 0, 0, 10240, 2048}, {"eth1"}};
}

LanFormOptions withConfig(const std::string& bytes,
                          LocalDateTime start = {2026, 3, 5, 9, 0, 0, 0, 4}) {
  LanFormOptions options;
  options.start = start;
  options.beforeStart = [bytes](const std::filesystem::path& dir,
                                sim::World& world) {
    std::ofstream(dir / "OV.CFG", std::ios::binary) << bytes;
    addInterfaces(world);
  };
  return options;
}

std::vector<std::string> logLines(LanForm& lan) {
  std::ifstream in(lan.programDir() / "traffic.log", std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string configText(LanForm& lan) {
  std::ifstream in(lan.programDir() / "OV.CFG", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(TrafficLog, TheIntervalWritesLinesThatGrowByTheRates) {
  LanForm lan("", withConfig("[Traffic]\r\nLog=1\r\nLogInterval=10\r\n"));
  lan.runUntil(1200.5);
  const auto lines = logLines(lan);
  ASSERT_EQ(lines.size(), 2u);
  // The default interface is the first with a physical address.
  EXPECT_EQ(lines[0],
            "[ 9:10:00  05.03.26]  In (kb):      6000  Out (kb):      1200 "
            "sessID: 9000  Adapter:eth0\r");
  EXPECT_EQ(lines[1].substr(0, 61),
            "[ 9:20:00  05.03.26]  In (kb):     12000  Out (kb):      2400");
  lan.form().mnu_exitClick();
  EXPECT_EQ(logLines(lan).size(), 3u);  // the exit line
  // The default interface was not in the file: the keys are written back.
  EXPECT_NE(configText(lan).find("[Traffic]\r\nLog=1\r\nLogInterval=10\r\n"
                                 "Interface=eth0\r\nIndex=1\r\n"),
            std::string::npos)
      << configText(lan);
}

TEST(TrafficLog, TheDaysLastMinuteAddsALineOfItsOwn) {
  LanForm lan("", withConfig("[Traffic]\r\nLogInterval=1\r\n",
                             {2026, 3, 5, 23, 50, 0, 0, 4}));
  lan.runUntil(540.5);  // 23:59:00
  const auto lines = logLines(lan);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[8].substr(0, 20), "[23:59:00  05.03.26]");
  EXPECT_EQ(lines[9].substr(0, 61), lines[8].substr(0, 61));
}

TEST(TrafficLog, WithoutLoggingNoLineIsEverWritten) {
  LanForm lan("", withConfig("[Traffic]\r\nLog=0\r\nLogInterval=1\r\n",
                             {2026, 3, 5, 23, 57, 0, 0, 4}));
  lan.runUntil(300);
  lan.form().mnu_exitClick();
  EXPECT_TRUE(logLines(lan).empty());
  // Interval 0: only 23:59 and the exit write.
  LanForm quiet(
      "", withConfig("[Traffic]\r\nLog=1\r\n", {2026, 3, 5, 23, 57, 0, 0, 4}));
  quiet.runUntil(300);
  EXPECT_EQ(logLines(quiet).size(), 1u);
}

TEST(TrafficLog, TheDialogSetsTheInterfaceTheFlagAndTheInterval) {
  LanForm lan(
      "2 ui dialog combo eth1\n"
      "2 ui dialog check 0\n"
      "2 ui dialog spin 5\n"
      "2 ui dialog click TrOk\n"
      "5 ui dialog combo \"no such card\"\n"
      "5 ui dialog spin 7\n"
      "5 ui dialog close\n"
      "8 ui dialog combo \"no such card\"\n"
      "8 ui dialog click TrOk\n",
      withConfig("[Traffic]\r\nLog=1\r\n"));
  lan.runUntil(1);
  TForm1& form = lan.form();
  form.mnu_trafficClick();
  EXPECT_EQ(form.trafficParts().traffic.interfaceName, "eth1");
  EXPECT_EQ(form.trafficParts().traffic.position, 2);
  EXPECT_FALSE(form.trafficParts().traffic.logging);
  EXPECT_EQ(form.trafficParts().traffic.logInterval, 5);
  // Closed by its close box: only the interval is taken.
  form.mnu_trafficClick();
  EXPECT_EQ(form.trafficParts().traffic.interfaceName, "eth1");
  EXPECT_EQ(form.trafficParts().traffic.logInterval, 7);
  EXPECT_EQ(form.toolDialogs().currentDialog.window, nullptr);
  // A name that is no list item stores -1, which the next sample replaces.
  form.mnu_trafficClick();
  EXPECT_EQ(form.trafficParts().traffic.position, -1);
  form.trafficParts().traffic.SampleCounters();
  EXPECT_EQ(form.trafficParts().traffic.position, 1);
  EXPECT_EQ(form.trafficParts().traffic.interfaceName, "eth0");
}

}  // namespace
}  // namespace ov::test
