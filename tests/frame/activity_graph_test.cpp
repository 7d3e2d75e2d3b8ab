// The activity graph: how the bands place their values, what the pointer
// reads, the picture drawn, and the minute tick filling the history.
#include "traffic/activity_graph.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "lan_form.h"
#include "platform/headless/image.h"

namespace ov::test {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF, kRed = 0xFF0000, kGrey = 0x808080,
                   kBlue = 0x0000FF, kPurple = 0x800080, kBlack = 0x000000,
                   kOlive = 0x808000, kGreen = 0x008000;

TEST(ActivityGraph, BandsLimitTheirValuesAndTrafficNeverDividesByZero) {
  // Eleven active sessions weigh 22, drawn where five (10) are.
  EXPECT_EQ(ConnectionsRow(22), 10);
  EXPECT_EQ(ConnectionsRow(10), 10);
  EXPECT_EQ(ConnectionsRow(3), 3);
  EXPECT_EQ(FilesRow(24), 34);
  EXPECT_EQ(FilesRow(25), 45);
  // No traffic at all: the band tops.
  EXPECT_EQ(TrafficRow(kInboundBandTop, 0, 0), 45);
  EXPECT_EQ(TrafficRow(kOutboundBandTop, 0, 0), 70);
  EXPECT_EQ(TrafficRow(kInboundBandTop, 24, 24), 69);
  EXPECT_EQ(TrafficRow(kInboundBandTop, 1, 1), 57);
  EXPECT_EQ(TrafficRow(kInboundBandTop, 0xFFFFFFFF, 0xFFFFFFFF), 69);
  EXPECT_EQ(TrafficRow(kOutboundBandTop, 0x80000000, 0xFFFFFFFF), 82);
}

TEST(ActivityGraph, ReadoutNamesTheBandTheMinuteAndItsTime) {
  ActivityHistory history;
  history.position = 5;
  history.connections[5] = 7;
  history.files[4] = 3;
  history.inbound[6] = 4000000000u;  // printed unsigned
  history.inboundMin = 1;
  history.inboundMax = 4000000000u;
  history.outbound[0] = 9;
  const LocalDateTime now{2026, 3, 5, 0, 3, 20, 0, 4};
  EXPECT_EQ(ActivityReadout(history, 5, 0, now),
            "Соединений: 7. -0мин.(0:03:20)");
  EXPECT_EQ(ActivityReadout(history, 4, 30, now), "Файлов: 3. -1мин.(0:02:20)");
  // The column after the position is the oldest minute, before midnight.
  EXPECT_EQ(ActivityReadout(history, 6, 50, now),
            "Входящий: Min:1, Max:4000000000, Выбран:4000000000 (кб/мин) "
            "-119мин.(22:04:20)");
  EXPECT_EQ(ActivityReadout(history, 0, 90, now),
            "Исходящий: Min:0, Max:0, Выбран:9 (кб/мин) -5мин.(23:58:20)");
  // The band borders read no value, only the minute.
  EXPECT_EQ(ActivityReadout(history, 5, 45, now), " -0мин.(0:03:20)");
  // The columns past slot 119 have no minute: nothing is read.
  for (int x = 120; x < 124; ++x)
    EXPECT_EQ(ActivityReadout(history, x, 20, now), "") << x;
}

TEST(ActivityGraph, AnEmptyHistoryDrawsTheGridTheBandTopsAndTheCursor) {
  headless::Image image({"Image1", {0, 0, 124, 105}});
  ActivityHistory history;
  DrawActivityGraph(image, history);
  EXPECT_EQ(image.pixel(3, 20), kWhite);
  EXPECT_EQ(image.pixel(5, 50), kGrey);
  EXPECT_EQ(image.pixel(30, 50), kRed);
  EXPECT_EQ(image.pixel(120, 99), kRed);
  EXPECT_EQ(image.pixel(120, 100), kWhite);  // the grid stops 5 above
  EXPECT_EQ(image.pixel(2, 0), kBlue);
  EXPECT_EQ(image.pixel(2, 10), kPurple);
  EXPECT_EQ(image.pixel(5, 45), kBlack);  // drawn over the grid
  EXPECT_EQ(image.pixel(2, 70), kOlive);
  // A line leaves out its last point: column 119 stays empty.
  EXPECT_EQ(image.pixel(119, 45), kWhite);
  EXPECT_EQ(image.pixel(0, 104), kGreen);
  EXPECT_EQ(image.pixel(1, 45), kGreen);
  ASSERT_EQ(image.texts().size(), 4u);
  EXPECT_EQ(image.texts()[2].text, "90");
  EXPECT_EQ(image.texts()[2].at.x, 90);
  // "120" would start 4 pixels from the edge: it ends at the edge instead.
  EXPECT_EQ(image.texts()[3].text, "120");
  EXPECT_EQ(image.texts()[3].at.x + image.textWidth("120"), 124);
  EXPECT_EQ(image.texts()[3].at.y, 105 - 14);

  // The cursor of the last slot stands in the margin.
  history.position = 119;
  history.inbound[50] = 1;
  DrawActivityGraph(image, history);
  EXPECT_EQ(image.pixel(120, 30), kGreen);
  EXPECT_EQ(image.pixel(50, 57), kBlack);  // a maximum of 1 draws at 57
  EXPECT_EQ(history.inboundMax, 1u);
}

// Eleven clients, each active; four files opened and logged.
LanFormOptions officeOptions() {
  LanFormOptions options;
  options.beforeStart = [](const std::filesystem::path& dir, sim::World&) {
    std::ofstream(dir / "OV.CFG", std::ios::binary) << "[Log]\r\nUse=1\r\n";
  };
  return options;
}

std::string officeScenario() {
  std::string lines = "0 iface eth0 in=5120 rate_in=1024\n";
  for (int n = 1; n <= 11; ++n)
    lines += "1 connect PC" + std::to_string(n) + " u" + std::to_string(n) +
             " busy\n";
  for (int n = 1; n <= 4; ++n)
    lines += "2 open " + std::to_string(n) + " PC1 u1 C:\\f" +
             std::to_string(n) + ".txt\n";
  return lines;
}

TEST(ActivityGraph, TheMinuteTickFillsTheSlotAndThePointerReadsIt) {
  LanForm lan(officeScenario() +
                  "90 ui hover Image1 0 5\n"
                  "91 ui hover Image1 0 30\n"
                  "92.1 ui hover Image1 leave\n",
              officeOptions());
  lan.runUntil(60.5);
  const ActivityHistory& history = lan.form().trafficParts().activity;
  EXPECT_EQ(history.position, 1);
  EXPECT_EQ(history.connections[0], 22);
  EXPECT_EQ(history.files[0], 4);
  EXPECT_EQ(lan.form().monitorParts().cycleCounters.loggedOpeningsThisMinute,
            0u);
  // The first tick takes the counters' whole count: 5 KB + 60 s of 1 KB.
  EXPECT_EQ(history.inbound[0], 65u);

  lan.runUntil(90.1);
  EXPECT_EQ(lan.form().mainWindow().sb.panelText(0),
            "Соединений: 22. -1мин.(9:00:30)");
  lan.runUntil(91.5);
  EXPECT_EQ(lan.form().mainWindow().sb.panelText(0),
            "Файлов: 4. -1мин.(9:00:31)");
  // Still over the graph: the watch leaves the readout.
  EXPECT_TRUE(lan.form().trafficParts().hoverWatch.watching());
  // Gone at 92.1; the watch's next look, at 92.2, clears the readout.
  lan.runUntil(92.15);
  EXPECT_EQ(lan.form().mainWindow().sb.panelText(0),
            "Файлов: 4. -1мин.(9:00:31)");
  lan.runUntil(92.25);
  EXPECT_EQ(lan.form().mainWindow().sb.panelText(0), "");
  EXPECT_FALSE(lan.form().trafficParts().hoverWatch.watching());
}

TEST(ActivityGraph, AScriptedHourIsDrawnByTheBandsRules) {
  // Clients come and go, files open, the counters jump twice.
  std::string lines = officeScenario();
  lines +=
      "600 disconnect PC5 u5\n"
      "900 counters eth0 in=3000000 out=600000\n"
      "1200 connect PC20 u20\n"
      "1500 open 9 PC20 u20 C:\\late.txt\n"
      "2400 counters eth0 in=9000000 out=900000\n"
      "3000 disconnect PC1 u1\n";
  LanForm lan(lines, officeOptions());
  lan.runUntil(3600.5);
  const auto* image =
      dynamic_cast<headless::Image*>(&lan.form().connectionsPage().Image1);
  ASSERT_NE(image, nullptr);
  const ActivityHistory& history = lan.form().trafficParts().activity;
  EXPECT_EQ(history.position, 60);
  // The jump at 2400 s is the most inbound, 8789 - 4369 KB.
  EXPECT_EQ(history.inboundMax, 4420u);

  // Every minute's point, in its band's colour, where the band's rule puts
  // it; a point starts the next line, so it is painted. The cursor stands
  // over columns 60 and 61; the last column, 119, only ends a line.
  const auto inboundRow = [&](int slot) {
    return 45 + static_cast<int>(uint64_t{history.inbound[slot]} * 25 /
                                 (uint64_t{history.inboundMax} + 1));
  };
  const auto outboundRow = [&](int slot) {
    return 70 + static_cast<int>(uint64_t{history.outbound[slot]} * 25 /
                                 (uint64_t{history.outboundMax} + 1));
  };
  int steps = 0;
  for (int slot = 1; slot < 119; ++slot) {
    if (slot == 60 || slot == 61) continue;
    EXPECT_EQ(image->pixel(slot, inboundRow(slot)), kBlack) << slot;
    EXPECT_EQ(image->pixel(slot, outboundRow(slot)), kOlive) << slot;
    const int filesRow = 10 + history.files[slot];
    if (history.files[slot] < 25 && filesRow < 45) {
      EXPECT_EQ(image->pixel(slot, filesRow), kPurple) << slot;
    }
    steps += inboundRow(slot) != inboundRow(slot - 1);
  }
  // The minutes of the jumps stand out of the steady ones: the tick at
  // 2400 s, which fills slot 39, saw the bigger one.
  EXPECT_GE(steps, 4);
  EXPECT_EQ(inboundRow(39), 69);
  EXPECT_EQ(inboundRow(30), 45);
  // Below the bands only the grid shows: red every 30 pixels, grey every 5,
  // white between, and the green cursor.
  for (int x = 0; x < image->width(); ++x) {
    const uint32_t expected = x == 60 || x == 61 ? kGreen
                              : x == 0           ? kWhite
                              : x % 30 == 0      ? kRed
                              : x % 5 == 0       ? kGrey
                                                 : kWhite;
    EXPECT_EQ(image->pixel(x, 97), expected) << x;
  }
  for (int y = 0; y < image->height(); ++y) {
    EXPECT_EQ(image->pixel(60, y), kGreen) << y;
    EXPECT_EQ(image->pixel(61, y), kGreen) << y;
  }
  ASSERT_EQ(image->texts().size(), 4u);
  EXPECT_EQ(image->texts()[0].text, "30");
  EXPECT_EQ(image->texts()[0].at.x, 30);
  EXPECT_EQ(image->texts()[0].at.y, 105 - 14);
  // The dump carries the same picture.
  const std::string dump = lan.windows().dump();
  EXPECT_NE(dump.find("\"kind\": \"image\""), std::string::npos);
}

}  // namespace
}  // namespace ov::test
