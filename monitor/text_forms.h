#pragma once
// How durations, transports and file permissions read on screen.
#include <cstdint>
#include <string>
#include <string_view>

namespace ov::monitor {

// "H:MM:SS"; hours are not bounded.
std::string durationText(uint32_t seconds);

// "TCP-IP", "NETBIOS", "IPX" or "SMB" by the first token found; otherwise
// the transport name as it came.
std::string protocolName(std::string_view transport);

// By the low three bits of the permission mask (read 1, write 2, create 4).
std::string_view permissionText(uint32_t permissions);

}  // namespace ov::monitor
