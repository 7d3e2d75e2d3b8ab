#include "platform/headless/runner/server_net.h"
#include "platform/samba/samba_netapi.h"

namespace ov::headless {

namespace {

// A call that gets no answer in this long fails, so a server that went away
// cannot hang the program.
constexpr unsigned kCallTimeoutSeconds = 10;

}  // namespace

std::unique_ptr<NetApi> connectServer(const RunnerOptions& options,
                                      std::string& error) {
  auto net = std::make_unique<samba::SambaNetApi>(
      options.server, options.credentials, kCallTimeoutSeconds);
  if (!net->connect(error)) return nullptr;
  return net;
}

}  // namespace ov::headless
