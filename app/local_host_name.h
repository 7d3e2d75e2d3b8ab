#pragma once
// The local machine's host name, as the program compares client names with
// it.
#include <string>

#include "platform/sockets.h"

namespace ov {

// Upper case (a to z), at most 255 characters; empty when Windows Sockets
// cannot start or the name cannot be read.
std::string ReadLocalHostName(Sockets& sockets);

}  // namespace ov
