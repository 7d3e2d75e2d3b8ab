#include "app/local_host_name.h"

#include "monitor/latin_upper.h"
#include "platform/text/utf8.h"

namespace ov {

namespace {

constexpr uint16_t kWinsockVersion = 0x0202;
constexpr std::size_t kHostNameChars = 255;

}  // namespace

std::string ReadLocalHostName(Sockets& sockets) {
  uint16_t granted = 0;
  if (sockets.WSAStartup(kWinsockVersion, granted) != 0) return "";
  const std::optional<std::string> name = sockets.gethostname();
  sockets.WSACleanup();
  return name ? monitor::latinUpper(utf8Cut(*name, kHostNameChars)) : "";
}

}  // namespace ov
