#include "platform/sockets.h"

namespace ov {

std::string inet_ntoa(InAddr address) {
  // Network byte order: the first octet is the lowest byte in memory.
  const auto* b = reinterpret_cast<const unsigned char*>(&address);
  // Built in place, within the short-string buffer: every session of
  // every cycle is resolved to text.
  std::string text;
  text.reserve(15);
  for (int octet = 0; octet < 4; ++octet) {
    if (octet > 0) text += '.';
    const unsigned value = b[octet];
    if (value >= 100) text += static_cast<char>('0' + value / 100);
    if (value >= 10) text += static_cast<char>('0' + value / 10 % 10);
    text += static_cast<char>('0' + value % 10);
  }
  return text;
}

}  // namespace ov
