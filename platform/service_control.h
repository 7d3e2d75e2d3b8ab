#pragma once
// Service control manager port: the calls that pause and continue a
// service. A handle of 0 is a failed open; GetLastError says why.
#include <cstdint>
#include <string_view>

namespace ov {

struct SERVICE_STATUS {
  uint32_t dwCurrentState = 0;  // 1 stopped .. 4 running .. 7 paused
};

inline constexpr uint32_t SC_MANAGER_ALL_ACCESS = 0xF003F;
inline constexpr uint32_t SERVICE_QUERY_STATUS = 0x4;
inline constexpr uint32_t SERVICE_PAUSE_CONTINUE = 0x40;
inline constexpr uint32_t SERVICE_CONTROL_PAUSE = 2;
inline constexpr uint32_t SERVICE_CONTROL_CONTINUE = 3;

class ServiceControl {
 public:
  using Handle = uintptr_t;
  virtual ~ServiceControl() = default;
  // The local machine's manager.
  virtual Handle OpenSCManager(uint32_t access) = 0;
  virtual Handle OpenService(Handle manager, std::string_view name,
                             uint32_t access) = 0;
  virtual bool QueryServiceStatus(Handle service, SERVICE_STATUS& status) = 0;
  virtual bool ControlService(Handle service, uint32_t control,
                              SERVICE_STATUS& status) = 0;
  virtual bool CloseServiceHandle(Handle handle) = 0;
  virtual uint32_t GetLastError() = 0;
};

}  // namespace ov
