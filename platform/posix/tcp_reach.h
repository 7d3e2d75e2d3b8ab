#pragma once
// Whether anything at a host answers a TCP connection on a port within a
// time: a host that drops packets leaves a plain connect waiting for the
// kernel's retries, minutes long.
#include <string>

namespace ov::posix {

enum class TcpReach {
  Answers,     // it accepted, or refused at once: a computer is there
  Silent,      // no answer in the time given
  Unresolved,  // the name has no address here
};

TcpReach tcpReach(const std::string& host, const std::string& port,
                  unsigned timeoutMilliseconds);

}  // namespace ov::posix
