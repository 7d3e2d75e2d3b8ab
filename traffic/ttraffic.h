#pragma once
// TTraffic: the one traffic sampler. It holds the interface whose traffic is
// sampled and the traffic-log switches, turns the interface's 32-bit octet
// counters into 64-bit kilobyte totals, and writes the traffic log's lines.
// It keeps what "OV.CFG" said about its settings, so that only changed keys
// are written back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/iftable.h"

namespace ov {

class TTraffic {
 public:
  // Characters of the interface name, its terminating zero included.
  static constexpr std::size_t kInterfaceCapacity = 256;

  // The run identifier is taken from the local time now.
  TTraffic(InterfaceTable& table, Clock& clock);

  // Writes the [Traffic] keys that differ from what was read at start; the
  // as-read copies stay as they are.
  void SaveTrafficSettings(std::string_view configPath) const;
  // Reads Interface, Index and Log, keeping a copy of each as read; an
  // empty name takes the default interface.
  void LoadTrafficSettings(std::string_view configPath);
  // Reads LogInterval into the interval and its as-read copy; start-up does
  // this apart from the other [Traffic] keys.
  void LoadLogInterval(std::string_view configPath);
  // Sets the chosen interface's counters to 0.
  void ResetInterfaceCounters();
  // The first interface with a physical address becomes the chosen one.
  void SelectDefaultInterface();
  // Reads the chosen interface's counters into the totals.
  void SampleCounters();
  // Samples and appends one line to the traffic log; false when the file
  // cannot be opened.
  bool AppendTrafficLog(std::string_view path);

  // The rows of the last table read, none before the first good read.
  const std::vector<IfRow>& interfaces() const { return rows_; }
  uint16_t runId() const { return runId_; }
  uint64_t inTotal() const { return inTotal_; }
  uint64_t outTotal() const { return outTotal_; }

  std::string interfaceName;  // description of the sampled interface
  int32_t position = 0;       // row of that interface in the interface table
  bool logging = false;       // traffic log on
  uint16_t logInterval = 0;   // minutes between traffic-log lines, 0 = none

 private:
  bool readTable();
  // The chosen row of the last table, if the position names one.
  const IfRow* chosenRow() const;

  InterfaceTable& table_;
  Clock& clock_;
  uint16_t runId_;
  std::vector<IfRow> rows_;
  uint32_t previousIn_ = 0;  // kilobytes at the previous sample
  uint32_t previousOut_ = 0;
  uint32_t inWraps_ = 0;
  uint32_t outWraps_ = 0;
  uint64_t inTotal_ = 0;
  uint64_t outTotal_ = 0;
  std::string interfaceNameAsRead_;
  int32_t positionAsRead_ = 0;
  bool loggingAsRead_ = false;
  uint16_t logIntervalAsRead_ = 0;
};

// An interface name as the program keeps it: at most 255 characters.
std::string CutInterfaceName(std::string_view name);

// One line of the traffic log as the program writes it, without its end.
std::string TrafficLogLine(const LocalDateTime& at, uint64_t inKb,
                           uint64_t outKb, uint16_t runId,
                           std::string_view adapter);

}  // namespace ov
