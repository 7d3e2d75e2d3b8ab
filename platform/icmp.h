#pragma once
// Echo (ping) port: the calls of the system's ICMP library, loaded by name
// for each series of echoes.
#include <cstdint>
#include <string_view>

#include "platform/sockets.h"

namespace ov {

struct IP_OPTION_INFORMATION {
  uint8_t Ttl = 255;
  uint8_t Tos = 0;
  uint8_t Flags = 0;
};

struct ICMP_ECHO_REPLY {
  InAddr Address = 0;
  uint32_t Status = 0;
  uint32_t RoundTripTime = 0;
  uint8_t Ttl = 0;
};

class IcmpPort {
 public:
  // notAllowed: a system without ICMP.DLL refuses this program its echo
  // sockets.
  enum class Library { loaded, missing, withoutProcedures, notAllowed };
  using Handle = uintptr_t;

  virtual ~IcmpPort() = default;
  // Loads "ICMP.DLL" and looks up IcmpCreateFile, IcmpCloseHandle and
  // IcmpSendEcho; a library without them is unloaded again.
  virtual Library LoadIcmpLibrary() = 0;
  virtual void FreeIcmpLibrary() = 0;
  virtual Handle IcmpCreateFile() = 0;
  // The number of replies; the reply record as the system filled it.
  virtual uint32_t IcmpSendEcho(Handle handle, InAddr destination,
                                std::string_view requestData,
                                const IP_OPTION_INFORMATION& options,
                                ICMP_ECHO_REPLY& reply, uint32_t timeoutMs) = 0;
  virtual void IcmpCloseHandle(Handle handle) = 0;
};

}  // namespace ov
