#include "traffic/ttraffic.h"

#include <string>

#include "app/ini_file.h"

namespace ov {

namespace {

constexpr std::string_view kSection = "Traffic";

}  // namespace

void TTraffic::SaveTrafficSettings(std::string_view configPath) const {
  if (interfaceName != interfaceNameAsRead_ || position != positionAsRead_ ||
      logging != loggingAsRead_) {
    WritePrivateProfileString(kSection, "Interface", interfaceName, configPath);
    WritePrivateProfileString(kSection, "Log", logging ? "1" : "0", configPath);
    WritePrivateProfileString(kSection, "Index", std::to_string(position),
                              configPath);
  }
  if (logInterval != logIntervalAsRead_)
    WritePrivateProfileString(kSection, "LogInterval",
                              std::to_string(logInterval), configPath);
}

void TTraffic::LoadTrafficSettings(std::string_view configPath) {
  interfaceName = GetPrivateProfileString(kSection, "Interface", "",
                                          kInterfaceCapacity, configPath);
  position = GetPrivateProfileInt(kSection, "Index", 0, configPath);
  logging = GetPrivateProfileInt(kSection, "Log", 1, configPath) != 0;
  interfaceNameAsRead_ = interfaceName;
  positionAsRead_ = position;
  loggingAsRead_ = logging;
  // An empty name is for SelectDefaultInterface to fill, together with the
  // position; it comes with the interface table.
}

void TTraffic::LoadLogInterval(std::string_view configPath) {
  logInterval = logIntervalAsRead_ = static_cast<uint16_t>(
      GetPrivateProfileInt(kSection, "LogInterval", 0, configPath));
}

}  // namespace ov
