#include "platform/headless/runner/server_net.h"

namespace ov::headless {

std::unique_ptr<NetApi> connectServer(const RunnerOptions&,
                                      std::string& error) {
  error = "this orvane was built without Samba's client libraries";
  return nullptr;
}

}  // namespace ov::headless
