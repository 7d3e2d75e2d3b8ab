#pragma once
// Pausing and continuing the local file server service, "lanmanserver",
// through the service control manager.
#include <cstdint>
#include <stdexcept>

#include "platform/service_control.h"

namespace ov::admin {

enum class ServiceToggle { query, toggle };

inline constexpr uint32_t kServiceStartPending = 2;
inline constexpr uint32_t kServiceRunning = 4;
inline constexpr uint32_t kServiceContinuePending = 5;
inline constexpr uint32_t kServicePaused = 7;

// The service's state: as it is (query), or as the pause or continue
// control left it (toggle: a paused service continues, any other pauses).
// Throws std::runtime_error with the failed step's text and the system's
// error code. Every handle opened is closed on every path.
uint32_t ToggleServerService(ServiceControl& manager, ServiceToggle mode);

}  // namespace ov::admin
