#pragma once
// The echo port over ICMP.DLL, loaded at run time.
#include "platform/icmp.h"
#include "platform/win32/windows_api.h"

namespace ov::win32 {

class WinIcmp : public IcmpPort {
 public:
  Library LoadIcmpLibrary() override;
  void FreeIcmpLibrary() override;
  Handle IcmpCreateFile() override;
  uint32_t IcmpSendEcho(Handle handle, InAddr destination,
                        std::string_view requestData,
                        const IP_OPTION_INFORMATION& options,
                        ICMP_ECHO_REPLY& reply, uint32_t timeoutMs) override;
  void IcmpCloseHandle(Handle handle) override;

 private:
  using CreateFileProc = HANDLE(WINAPI*)();
  using CloseHandleProc = BOOL(WINAPI*)(HANDLE);
  using SendEchoProc = DWORD(WINAPI*)(HANDLE, ULONG, LPVOID, WORD, PVOID,
                                      LPVOID, DWORD, DWORD);

  HMODULE library_ = nullptr;
  CreateFileProc create_ = nullptr;
  CloseHandleProc close_ = nullptr;
  SendEchoProc send_ = nullptr;
};

}  // namespace ov::win32
