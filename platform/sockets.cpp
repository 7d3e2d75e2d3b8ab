#include "platform/sockets.h"

namespace ov {

std::string inet_ntoa(InAddr address) {
  // Network byte order: the first octet is the lowest byte in memory.
  const auto* b = reinterpret_cast<const unsigned char*>(&address);
  return std::to_string(b[0]) + "." + std::to_string(b[1]) + "." +
         std::to_string(b[2]) + "." + std::to_string(b[3]);
}

}  // namespace ov
