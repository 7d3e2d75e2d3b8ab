// TTraffic's sampling on a scripted interface table: kilobyte totals with
// their wrap counts, the default interface, and the traffic-log line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/headless/virtual_clock.h"
#include "traffic/ttraffic.h"

namespace ov {
namespace {

constexpr uint32_t kKb = 1024;

// The rows the next reads return; a failed read when failing.
class ScriptedTable : public InterfaceTable {
 public:
  std::optional<std::vector<IfRow>> GetIfTable() override {
    if (failing) return std::nullopt;
    return rows;
  }
  bool SetIfEntry(const IfRow& row) override {
    written.push_back(row);
    return true;
  }
  std::vector<IfRow> rows;
  std::vector<IfRow> written;
  bool failing = false;
};

struct Sampler {
  ScriptedTable table;
  headless::VirtualClock clock{LocalDateTime{2026, 3, 5, 9, 5, 7, 380, 4}};
  TTraffic traffic{table, clock};

  void counters(uint32_t inKb, uint32_t outKb) {
    table.rows.at(1).inOctets = inKb * kKb;
    table.rows.at(1).outOctets = outKb * kKb;
    traffic.SampleCounters();
  }
};

TEST(TrafficSampling, EachFallOfAReadingCountsOneWrap) {
  Sampler s;
  s.table.rows = {{1, 0, "Loopback", 0, 0}, {2, 6, "eth0", 0, 0}};
  s.traffic.position = 1;
  s.counters(4194303, 100);
  EXPECT_EQ(s.traffic.inTotal(), 4194303u);
  s.counters(10, 200);
  EXPECT_EQ(s.traffic.inTotal(), 4194304u + 10);
  EXPECT_EQ(s.traffic.outTotal(), 200u);
  s.counters(5, 150);  // falls again: both wrap
  EXPECT_EQ(s.traffic.inTotal(), 2 * 4194304u + 5);
  EXPECT_EQ(s.traffic.outTotal(), 4194304u + 150);
  // Part of a kilobyte is not counted.
  s.table.rows[1].inOctets = 7 * kKb + 1023;
  s.traffic.SampleCounters();
  EXPECT_EQ(s.traffic.inTotal(), 2 * 4194304u + 7);

  // A failed read changes nothing.
  s.table.failing = true;
  s.traffic.SampleCounters();
  EXPECT_EQ(s.traffic.inTotal(), 2 * 4194304u + 7);
}

TEST(TrafficSampling, AnInterfaceOutOfRangeGivesWayToTheFirstWithAnAddress) {
  Sampler s;
  s.table.rows = {{1, 0, "Loopback", 5 * kKb, 0}, {2, 6, "eth0", 9 * kKb, 0}};
  s.traffic.interfaceName = "typed by hand";
  s.traffic.position = -1;
  s.traffic.SampleCounters();
  EXPECT_EQ(s.traffic.position, 1);
  EXPECT_EQ(s.traffic.interfaceName, "eth0");
  EXPECT_EQ(s.traffic.inTotal(), 9u);

  // Without an interface that has an address, nothing is sampled.
  Sampler none;
  none.table.rows = {{1, 0, "Loopback", 5 * kKb, 0}};
  none.traffic.position = 3;
  none.traffic.SampleCounters();
  EXPECT_EQ(none.traffic.position, 3);
  EXPECT_EQ(none.traffic.inTotal(), 0u);

  // Resetting writes the chosen row back with its counters at 0.
  s.traffic.ResetInterfaceCounters();
  ASSERT_EQ(s.table.written.size(), 1u);
  EXPECT_EQ(s.table.written[0].index, 2u);
  EXPECT_EQ(s.table.written[0].inOctets, 0u);
}

TEST(TrafficSampling, TheRunIdentifierComesFromTheTimeOfStart) {
  Sampler s;  // 9:05:07.380
  EXPECT_EQ(s.traffic.runId(), 9000 + 500 + 70 + 38);
  ScriptedTable table;
  headless::VirtualClock late{LocalDateTime{2026, 3, 5, 23, 59, 59, 999, 4}};
  EXPECT_EQ(TTraffic(table, late).runId(), 29589);
}

TEST(TrafficSampling, LinesKeepTheirFieldsInPlace) {
  const std::string line = TrafficLogLine({2026, 3, 5, 9, 5, 7, 0, 4}, 12,
                                          4194314, 9608, "Сетевая карта");
  EXPECT_EQ(line,
            "[ 9:05:07  05.03.26]  In (kb):        12  Out (kb):   4194314 "
            "sessID: 9608  Adapter:Сетевая карта");
  EXPECT_EQ(line.find("Adapter:"), 76u);
  EXPECT_EQ(TrafficLogLine({2099, 12, 31, 23, 59, 0, 0, 4}, 0, 0, 7, "").size(),
            84u);
}

TEST(TrafficSampling, AppendedLinesAreWindows1251WithCrLf) {
  Sampler s;
  s.table.rows = {{1, 0, "Loopback", 0, 0}, {2, 6, "Сеть", 3 * kKb, 0}};
  s.traffic.SelectDefaultInterface();
  const auto path = std::filesystem::temp_directory_path() /
                    ("ov_traffic_" + std::to_string(::getpid()) + ".log");
  std::filesystem::remove(path);
  EXPECT_TRUE(s.traffic.AppendTrafficLog(path.string()));
  EXPECT_TRUE(s.traffic.AppendTrafficLog(path.string()));
  std::ifstream in(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  const std::string one =
      "[ 9:05:07  05.03.26]  In (kb):         3  Out (kb):         0 "
      "sessID: 9608  Adapter:\xD1\xE5\xF2\xFC\r\n";
  EXPECT_EQ(bytes, one + one);
  std::filesystem::remove(path);
  // A folder that is not there: nothing is written.
  EXPECT_FALSE(s.traffic.AppendTrafficLog("/nonexistent/dir/traffic.log"));
}

}  // namespace
}  // namespace ov
