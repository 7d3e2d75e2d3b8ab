#include "platform/headless/runner/server_net.h"
#include "platform/samba/samba_netapi.h"

namespace ov::headless {

namespace {

// A call that gets no answer in this long fails, so a server that went away
// cannot hang the program.
constexpr unsigned kCallTimeoutSeconds = 10;

// The configuration smbstatus reads where the server is this machine's own
// smbd; nothing where it is another computer.
std::optional<std::string> localConfig(const RunnerOptions& options) {
  if (options.smbConf) return options.smbConf;
  for (const char* self : {"localhost", "127.0.0.1", "::1"})
    if (options.server == self) return std::string();
  return std::nullopt;
}

}  // namespace

std::unique_ptr<NetApi> connectServer(const RunnerOptions& options,
                                      std::string& error) {
  auto net = std::make_unique<samba::SambaNetApi>(
      options.server, options.credentials, kCallTimeoutSeconds,
      localConfig(options));
  if (!net->connect(error)) return nullptr;
  return net;
}

}  // namespace ov::headless
