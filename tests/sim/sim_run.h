#pragma once
// A scenario played into the simulated LAN on a clock the test moves.
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/journal.h"
#include "platform/sim/sim_lan.h"

namespace ov::sim::testing {

class FakeClock : public Clock {
 public:
  LocalDateTime now() override { return {2006, 3, 5, 9, 0, 0, 0, 0}; }
  uint64_t tickMs() override { return ms; }
  uint64_t ms = 0;
};

class SimRun {
 public:
  explicit SimRun(std::string_view scenarioText);

  // Moves the clock to that moment, playing everything due on the way; the
  // user's events met are kept in userEvents.
  void runTo(double seconds);

  // Whole enumerations, batch after batch.
  std::vector<SESSION_INFO_502> sessions(std::string_view server = "");
  std::vector<FILE_INFO_3> files(std::string_view server = "");
  std::vector<CONNECTION_INFO_1> connections(std::string_view qualifier,
                                             std::string_view server = "");
  std::vector<std::string> sessionNames(std::string_view server = "");

  NetApi& net() { return lan.netApi(); }

  FakeClock clock;
  Journal journal{[this] { return clock.ms; }};
  SimLan lan;
  std::vector<ScenarioEvent> userEvents;
};

}  // namespace ov::sim::testing
