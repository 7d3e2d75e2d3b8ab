#pragma once
// The real service control manager, through its wide-character calls.
#include "platform/service_control.h"

namespace ov::win32 {

class WinServices : public ServiceControl {
 public:
  Handle OpenSCManager(uint32_t access) override;
  Handle OpenService(Handle manager, std::string_view name,
                     uint32_t access) override;
  bool QueryServiceStatus(Handle service, SERVICE_STATUS& status) override;
  bool ControlService(Handle service, uint32_t control,
                      SERVICE_STATUS& status) override;
  bool CloseServiceHandle(Handle handle) override;
  uint32_t GetLastError() override;
};

}  // namespace ov::win32
