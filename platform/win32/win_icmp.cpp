#include "platform/win32/win_icmp.h"

#include <cstring>
#include <vector>

#include "platform/win32/procedure.h"

namespace ov::win32 {

namespace {

// The system's records, as ICMP.DLL reads and writes them.
struct IpOptions {
  UCHAR Ttl;
  UCHAR Tos;
  UCHAR Flags;
  UCHAR OptionsSize;
  PUCHAR OptionsData;
};

struct EchoReply {
  ULONG Address;
  ULONG Status;
  ULONG RoundTripTime;
  USHORT DataSize;
  USHORT Reserved;
  PVOID Data;
  IpOptions Options;
};

}  // namespace

IcmpPort::Library WinIcmp::LoadIcmpLibrary() {
  library_ = LoadLibraryA("ICMP.DLL");
  if (!library_) return Library::missing;
  create_ = procedure<CreateFileProc>(library_, "IcmpCreateFile");
  close_ = procedure<CloseHandleProc>(library_, "IcmpCloseHandle");
  send_ = procedure<SendEchoProc>(library_, "IcmpSendEcho");
  if (create_ && close_ && send_) return Library::loaded;
  FreeIcmpLibrary();
  return Library::withoutProcedures;
}

void WinIcmp::FreeIcmpLibrary() {
  if (library_) FreeLibrary(library_);
  library_ = nullptr;
  create_ = nullptr;
  close_ = nullptr;
  send_ = nullptr;
}

IcmpPort::Handle WinIcmp::IcmpCreateFile() {
  return reinterpret_cast<Handle>(create_());
}

uint32_t WinIcmp::IcmpSendEcho(Handle handle, InAddr destination,
                               std::string_view requestData,
                               const IP_OPTION_INFORMATION& options,
                               ICMP_ECHO_REPLY& reply, uint32_t timeoutMs) {
  IpOptions sent{options.Ttl, options.Tos, options.Flags, 0, nullptr};
  // Room for the reply record as this build lays it out (pointers of
  // 64 bits make it longer than 28 bytes), the echoed data and an ICMP
  // error's eight bytes.
  std::vector<BYTE> buffer(sizeof(EchoReply) + requestData.size() + 8 + 16);
  std::vector<char> data(requestData.begin(), requestData.end());
  const DWORD replies =
      send_(reinterpret_cast<HANDLE>(handle), destination, data.data(),
            static_cast<WORD>(data.size()), &sent, buffer.data(),
            static_cast<DWORD>(buffer.size()), timeoutMs);
  EchoReply answer;
  std::memcpy(&answer, buffer.data(), sizeof answer);
  reply = {answer.Address, answer.Status, answer.RoundTripTime,
           answer.Options.Ttl};
  return replies;
}

void WinIcmp::IcmpCloseHandle(Handle handle) {
  close_(reinterpret_cast<HANDLE>(handle));
}

}  // namespace ov::win32
