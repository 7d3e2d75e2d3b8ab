#include "sim_run.h"

#include <gtest/gtest.h>

namespace ov::sim::testing {

SimRun::SimRun(std::string_view scenarioText)
    : lan(clock, journal, parseScenario(scenarioText, "test.scn")) {}

void SimRun::runTo(double seconds) {
  const auto target = static_cast<uint64_t>(seconds * 1000 + 0.5);
  for (auto due = lan.player().nextDueMs(); due && *due <= target;
       due = lan.player().nextDueMs()) {
    clock.ms = std::max(clock.ms, *due);
    while (auto event = lan.player().advance(clock.ms))
      userEvents.push_back(*event);
  }
  clock.ms = target;
}

std::vector<SESSION_INFO_502> SimRun::sessions(std::string_view server) {
  std::vector<SESSION_INFO_502> all;
  uint32_t resume = 0;
  for (;;) {
    auto batch =
        net().NetSessionEnum(server, 502, MAX_PREFERRED_LENGTH, resume);
    all.insert(all.end(), batch.info502.begin(), batch.info502.end());
    if (batch.status != ERROR_MORE_DATA) {
      EXPECT_EQ(batch.status, NERR_Success);
      return all;
    }
  }
}

std::vector<FILE_INFO_3> SimRun::files(std::string_view server) {
  std::vector<FILE_INFO_3> all;
  uint32_t resume = 0;
  for (;;) {
    auto batch = net().NetFileEnum(server, 3, MAX_PREFERRED_LENGTH, resume);
    all.insert(all.end(), batch.entries.begin(), batch.entries.end());
    if (batch.status != ERROR_MORE_DATA) {
      EXPECT_EQ(batch.status, NERR_Success);
      return all;
    }
  }
}

std::vector<CONNECTION_INFO_1> SimRun::connections(std::string_view qualifier,
                                                   std::string_view server) {
  std::vector<CONNECTION_INFO_1> all;
  uint32_t resume = 0;
  for (;;) {
    auto batch = net().NetConnectionEnum(server, qualifier, 1, 2048, resume);
    all.insert(all.end(), batch.entries.begin(), batch.entries.end());
    if (batch.status != ERROR_MORE_DATA) {
      EXPECT_EQ(batch.status, NERR_Success);
      return all;
    }
  }
}

std::vector<std::string> SimRun::sessionNames(std::string_view server) {
  std::vector<std::string> names;
  for (const auto& s : sessions(server))
    names.push_back(s.sesi502_cname + "/" + s.sesi502_username);
  return names;
}

}  // namespace ov::sim::testing
