#pragma once
// Echoes of a Linux machine: an ICMP datagram socket where the system lets
// any user ping (net.ipv4.ping_group_range), else a raw socket where the
// program has the right to one; the same options, data, reply record and
// timeout as through ICMP.DLL.
#include "platform/icmp.h"

namespace ov::posix {

class PosixIcmp : public IcmpPort {
 public:
  // notAllowed when neither kind of socket may be opened.
  Library LoadIcmpLibrary() override;
  void FreeIcmpLibrary() override {}
  // 0 when no socket could be opened.
  Handle IcmpCreateFile() override;
  uint32_t IcmpSendEcho(Handle handle, InAddr destination,
                        std::string_view requestData,
                        const IP_OPTION_INFORMATION& options,
                        ICMP_ECHO_REPLY& reply, uint32_t timeoutMs) override;
  void IcmpCloseHandle(Handle handle) override;

 private:
  uint16_t sequence_ = 0;
};

}  // namespace ov::posix
