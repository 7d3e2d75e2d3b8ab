#pragma once
// The dotted IPv4 address of a client as the server names it.
#include <string>
#include <string_view>

#include "platform/sockets.h"

namespace ov::monitor {

// The address of a client whose name resolves in neither direction.
inline constexpr std::string_view kUnresolvedAddress = "1.1.1.1";

// A client named by a dotted address is looked up in reverse, any other name
// forward; the first address of the host found is the answer. Asked afresh
// every time: names may move between cycles.
std::string resolveClientAddress(Sockets& sockets, std::string_view clientName);

}  // namespace ov::monitor
