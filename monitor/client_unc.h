#pragma once
// The form in which disconnects and per-client listings name a client.
#include <string>
#include <string_view>

namespace ov::monitor {

inline std::string uncClientName(std::string_view client) {
  return "\\\\" + std::string(client);
}

}  // namespace ov::monitor
