#include "platform/sim/sim_icmp.h"

#include <string>

namespace ov::sim {

IcmpPort::Library SimIcmp::LoadIcmpLibrary() {
  if (world_.failures().take("LoadLibrary")) return Library::missing;
  if (world_.failures().take("GetProcAddress"))
    return Library::withoutProcedures;
  // The machine's refusal is the one the user would meet.
  if (machine_ && world_.pingsMachine()) return machine_->LoadIcmpLibrary();
  return Library::loaded;
}

uint32_t SimIcmp::IcmpSendEcho(Handle, InAddr destination,
                               std::string_view requestData,
                               const IP_OPTION_INFORMATION& options,
                               ICMP_ECHO_REPLY& reply, uint32_t timeoutMs) {
  journal_.write("IcmpSendEcho",
                 {inet_ntoa(destination), static_cast<long long>(timeoutMs),
                  std::string(requestData)});
  const PingAnswer answer = world_.pingAnswer(destination);
  switch (answer.kind) {
    case PingAnswer::Kind::Reply:
      reply = {destination, 0, answer.rttMs, static_cast<uint8_t>(answer.ttl)};
      return 1;
    case PingAnswer::Kind::Status:
      reply.Status = answer.status;
      return 0;
    case PingAnswer::Kind::Machine: {
      if (!machine_) return 0;
      const Handle echoes = machine_->IcmpCreateFile();
      const uint32_t replies = machine_->IcmpSendEcho(
          echoes, destination, requestData, options, reply, timeoutMs);
      machine_->IcmpCloseHandle(echoes);
      return replies;
    }
    default:
      return 0;
  }
}

}  // namespace ov::sim
