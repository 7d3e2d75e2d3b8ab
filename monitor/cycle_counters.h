#pragma once
// Counts one monitor cycle keeps for the next, so that the tray changes
// only when they do.
#include <cstdint>

namespace ov::monitor {

struct CycleCounters {
  uint16_t sessionsThisCycle = 0;   // kicked sessions included
  uint32_t openFilesThisCycle = 0;  // no directories, no passed-over pipes
  uint16_t sessionsLastCycle = 0;
  uint32_t openFilesLastCycle = 0;
  bool userlessSessionSeen = false;
  uint32_t loggedOpeningsThisMinute = 0;  // the activity graph resets it

  void startCycle() {
    sessionsThisCycle = 0;
    openFilesThisCycle = 0;
    userlessSessionSeen = false;
  }
  bool changedSinceLastCycle() const {
    return sessionsThisCycle != sessionsLastCycle ||
           openFilesThisCycle != openFilesLastCycle;
  }
  void endCycle() {
    sessionsLastCycle = sessionsThisCycle;
    openFilesLastCycle = openFilesThisCycle;
  }
};

}  // namespace ov::monitor
