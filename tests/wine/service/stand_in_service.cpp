// A stand-in for the server service under Wine, whose own "lanmanserver"
// does not run: installed in its place, it runs, pauses and continues when
// told, so that the program's service button meets a real service manager.
#include "platform/win32/windows_api.h"

namespace {

SERVICE_STATUS_HANDLE statusHandle = nullptr;
SERVICE_STATUS status = {};
HANDLE stopped = nullptr;

void report(DWORD state) {
  status.dwCurrentState = state;
  SetServiceStatus(statusHandle, &status);
}

DWORD WINAPI control(DWORD code, DWORD, LPVOID, LPVOID) {
  switch (code) {
    case SERVICE_CONTROL_PAUSE:
      report(SERVICE_PAUSED);
      return NO_ERROR;
    case SERVICE_CONTROL_CONTINUE:
      report(SERVICE_RUNNING);
      return NO_ERROR;
    case SERVICE_CONTROL_STOP:
    case SERVICE_CONTROL_SHUTDOWN:
      report(SERVICE_STOP_PENDING);
      SetEvent(stopped);
      return NO_ERROR;
    case SERVICE_CONTROL_INTERROGATE:
      return NO_ERROR;
    default:
      return ERROR_CALL_NOT_IMPLEMENTED;
  }
}

void WINAPI serviceMain(DWORD, LPWSTR*) {
  statusHandle =
      RegisterServiceCtrlHandlerExW(L"lanmanserver", control, nullptr);
  if (!statusHandle) return;
  stopped = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
  status.dwControlsAccepted = SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_SHUTDOWN |
                              SERVICE_ACCEPT_PAUSE_CONTINUE;
  report(SERVICE_RUNNING);
  WaitForSingleObject(stopped, INFINITE);
  report(SERVICE_STOPPED);
}

}  // namespace

int main() {
  wchar_t name[] = L"lanmanserver";
  const SERVICE_TABLE_ENTRYW table[] = {{name, serviceMain},
                                        {nullptr, nullptr}};
  return StartServiceCtrlDispatcherW(table) ? 0 : 1;
}
