#include "platform/win32/win_services.h"

#include "platform/text/utf16.h"
#include "platform/win32/windows_api.h"

namespace ov::win32 {

namespace {

SC_HANDLE native(ServiceControl::Handle handle) {
  return reinterpret_cast<SC_HANDLE>(handle);
}

ServiceControl::Handle portable(SC_HANDLE handle) {
  return reinterpret_cast<ServiceControl::Handle>(handle);
}

}  // namespace

ServiceControl::Handle WinServices::OpenSCManager(uint32_t access) {
  return portable(OpenSCManagerW(nullptr, nullptr, access));
}

ServiceControl::Handle WinServices::OpenService(Handle manager,
                                                std::string_view name,
                                                uint32_t access) {
  const std::wstring wide = utf8ToWide(name);
  return portable(OpenServiceW(native(manager), wide.c_str(), access));
}

bool WinServices::QueryServiceStatus(Handle service,
                                     ov::SERVICE_STATUS& status) {
  ::SERVICE_STATUS native_status{};
  if (!::QueryServiceStatus(native(service), &native_status)) return false;
  status.dwCurrentState = native_status.dwCurrentState;
  return true;
}

bool WinServices::ControlService(Handle service, uint32_t control,
                                 ov::SERVICE_STATUS& status) {
  ::SERVICE_STATUS native_status{};
  const bool done = ::ControlService(native(service), control, &native_status);
  // The status is filled in also when the control fails.
  status.dwCurrentState = native_status.dwCurrentState;
  return done;
}

bool WinServices::CloseServiceHandle(Handle handle) {
  return ::CloseServiceHandle(native(handle));
}

uint32_t WinServices::GetLastError() { return ::GetLastError(); }

}  // namespace ov::win32
