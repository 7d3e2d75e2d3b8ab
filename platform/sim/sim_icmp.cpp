#include "platform/sim/sim_icmp.h"

#include <string>

namespace ov::sim {

uint32_t SimIcmp::IcmpSendEcho(Handle, InAddr destination,
                               std::string_view requestData,
                               const IP_OPTION_INFORMATION&,
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
    default:
      return 0;
  }
}

}  // namespace ov::sim
