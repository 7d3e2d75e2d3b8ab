#pragma once
// TTraffic: the one traffic sampler. It holds the interface whose traffic is
// sampled and the traffic-log switches, and keeps what "OV.CFG" said about
// them so that only changed keys are written back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ov {

class TTraffic {
 public:
  // Characters of the interface name, its terminating zero included.
  static constexpr std::size_t kInterfaceCapacity = 256;

  // Writes the [Traffic] keys that differ from what was read at start; the
  // as-read copies stay as they are.
  void SaveTrafficSettings(std::string_view configPath) const;
  // Reads Interface, Index and Log, keeping a copy of each as read.
  void LoadTrafficSettings(std::string_view configPath);
  // Reads LogInterval into the interval and its as-read copy; start-up does
  // this apart from the other [Traffic] keys.
  void LoadLogInterval(std::string_view configPath);

  std::string interfaceName;  // description of the sampled interface
  int32_t position = 0;       // row of that interface in the interface table
  bool logging = false;       // traffic log on
  uint16_t logInterval = 0;   // minutes between traffic-log lines, 0 = none

 private:
  std::string interfaceNameAsRead_;
  int32_t positionAsRead_ = 0;
  bool loggingAsRead_ = false;
  uint16_t logIntervalAsRead_ = 0;
};

}  // namespace ov
