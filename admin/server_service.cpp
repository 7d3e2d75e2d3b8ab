#include "admin/server_service.h"

#include <string>

namespace ov::admin {

namespace {

constexpr const char* kServiceName = "lanmanserver";

// Closes a handle of the manager when it goes out of scope.
class ServiceHandle {
 public:
  ServiceHandle(ServiceControl& manager, ServiceControl::Handle handle)
      : manager_(manager), handle_(handle) {}
  ~ServiceHandle() { reset(0); }
  ServiceHandle(const ServiceHandle&) = delete;
  ServiceHandle& operator=(const ServiceHandle&) = delete;
  void reset(ServiceControl::Handle handle) {
    if (handle_ != 0) manager_.CloseServiceHandle(handle_);
    handle_ = handle;
  }
  ServiceControl::Handle get() const { return handle_; }

 private:
  ServiceControl& manager_;
  ServiceControl::Handle handle_;
};

[[noreturn]] void Fail(ServiceControl& manager, const char* text) {
  throw std::runtime_error(text + std::to_string(manager.GetLastError()));
}

}  // namespace

uint32_t ToggleServerService(ServiceControl& manager, ServiceToggle mode) {
  ServiceHandle scm(manager, manager.OpenSCManager(SC_MANAGER_ALL_ACCESS));
  if (scm.get() == 0)
    Fail(manager, "Error from lanmanserver::OpenSCManager() : ");
  ServiceHandle service(manager, manager.OpenService(scm.get(), kServiceName,
                                                     SERVICE_QUERY_STATUS));
  SERVICE_STATUS status;
  // A failed open fails the query too.
  if (service.get() == 0 || !manager.QueryServiceStatus(service.get(), status))
    Fail(manager, "Error from lanmanserver: ");
  if (mode == ServiceToggle::query) return status.dwCurrentState;

  service.reset(manager.OpenService(
      scm.get(), kServiceName, SERVICE_PAUSE_CONTINUE | SERVICE_QUERY_STATUS));
  if (service.get() == 0)
    Fail(manager, "Error from lanmanserver:OpenService() : ");
  if (!manager.QueryServiceStatus(service.get(), status))
    Fail(manager, "Error from lanmanserver: ");
  if (status.dwCurrentState == kServicePaused) {
    if (!manager.ControlService(service.get(), SERVICE_CONTROL_CONTINUE,
                                status))
      Fail(manager, "Error from StartService() : ");
  } else if (!manager.ControlService(service.get(), SERVICE_CONTROL_PAUSE,
                                     status)) {
    Fail(manager, "Error from StopService() : ");
  }
  return status.dwCurrentState;
}

}  // namespace ov::admin
