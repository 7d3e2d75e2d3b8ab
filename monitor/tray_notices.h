#pragma once
// What the monitor cycle tells the notification-area icon.
#include <cstdint>
#include <string>

#include "platform/tray.h"

namespace ov::monitor {

class TrayNotices {
 public:
  virtual ~TrayNotices() = default;
  virtual bool Balloon(const std::string& title, const std::string& text,
                       uint32_t timeoutMs) = 0;
  virtual bool Modify(TrayIconImage icon, const std::string& tip) = 0;
};

}  // namespace ov::monitor
