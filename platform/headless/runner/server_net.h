#pragma once
// The network-management port of the real server that --server names.
#include <memory>
#include <string>

#include "platform/headless/runner/options.h"
#include "platform/netapi.h"

namespace ov::headless {

// Connected to the server; null with one line in error when the server
// cannot be reached, the credentials are wrong or unreadable, or this build
// has no port for it.
std::unique_ptr<NetApi> connectServer(const RunnerOptions& options,
                                      std::string& error);

}  // namespace ov::headless
