#include "platform/sim/sim_services.h"

#include <string>

#include "platform/sim/sim_text.h"

namespace ov::sim {

namespace {

constexpr uint32_t kAccessDenied = 5;
constexpr uint32_t kInvalidHandle = 6;
constexpr uint32_t kServiceDoesNotExist = 1060;
constexpr uint32_t kServiceNotActive = 1062;
constexpr uint32_t kStopped = 1;
constexpr uint32_t kRunning = 4;
constexpr uint32_t kPaused = 7;
constexpr uint32_t kContinuePending = 5;
constexpr uint32_t kPausePending = 6;

}  // namespace

bool SimServices::fail(uint32_t error) {
  lastError_ = error;
  return false;
}

ServiceControl::Handle SimServices::open(bool service, uint32_t access) {
  const Handle handle = next_++;
  open_[handle] = {service, access};
  return handle;
}

bool SimServices::failed(std::string_view call) {
  const auto status = world_.failures().take(call);
  if (status) lastError_ = *status;
  return status.has_value();
}

ServiceControl::Handle SimServices::OpenSCManager(uint32_t access) {
  if (failed("OpenSCManager")) return 0;
  if (world_.service().managerDenied) return fail(kAccessDenied), 0;
  return open(false, access);
}

ServiceControl::Handle SimServices::OpenService(Handle manager,
                                                std::string_view name,
                                                uint32_t access) {
  if (failed("OpenService")) return 0;
  const auto found = open_.find(manager);
  if (found == open_.end() || found->second.service)
    return fail(kInvalidHandle), 0;
  if (!sameName(name, "lanmanserver")) return fail(kServiceDoesNotExist), 0;
  return open(true, access);
}

bool SimServices::QueryServiceStatus(Handle service, SERVICE_STATUS& status) {
  if (failed("QueryServiceStatus")) return false;
  const auto found = open_.find(service);
  if (found == open_.end() || !found->second.service)
    return fail(kInvalidHandle);
  if (!(found->second.access & SERVICE_QUERY_STATUS))
    return fail(kAccessDenied);
  status.dwCurrentState = world_.service().state;
  return true;
}

bool SimServices::ControlService(Handle service, uint32_t control,
                                 SERVICE_STATUS& status) {
  journal_.write("ControlService", {std::string("lanmanserver"),
                                    static_cast<long long>(control)});
  if (failed("ControlService")) return false;
  const auto found = open_.find(service);
  if (found == open_.end() || !found->second.service)
    return fail(kInvalidHandle);
  if (!(found->second.access & SERVICE_PAUSE_CONTINUE))
    return fail(kAccessDenied);
  uint32_t& state = world_.service().state;
  if (state == kStopped) return fail(kServiceNotActive);
  const bool pause = control == SERVICE_CONTROL_PAUSE;
  if (pause) state = kPaused;
  if (control == SERVICE_CONTROL_CONTINUE) state = kRunning;
  status.dwCurrentState = state;
  if (world_.service().answersPending)
    status.dwCurrentState = pause ? kPausePending : kContinuePending;
  return true;
}

bool SimServices::CloseServiceHandle(Handle handle) {
  if (open_.erase(handle) == 0) return fail(kInvalidHandle);
  return true;
}

}  // namespace ov::sim
