#pragma once
// Refusing unwanted clients and files: the checks the monitor cycle applies
// to every session and every open-file entry it finds, the idle checks of
// the minute tick, and the administrator's own disconnects and closes.
// Every call goes to the watched server; its answer is not examined: a
// session already gone or a file already closed is no error here.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "monitor/policy_view.h"
#include "monitor/watched_server.h"
#include "platform/netapi.h"

namespace ov::monitor {

class AccessPolicy {
 public:
  AccessPolicy(const PolicyView& view, NetApi& net,
               const WatchedServer& server);

  // Returns whether the session was disconnected; the cycle then passes it
  // over for the rest of its handling.
  bool sessionChecks(std::string_view client, std::string_view address,
                     std::string_view user);
  // May close the file; the cycle goes on with the entry either way.
  void openFileChecks(uint32_t fileId);
  // position counts the entries of the enumeration from 0.
  void openFileLimit(uint32_t fileId, std::size_t position);
  // One session of the minute tick's level-502 enumeration.
  void idleChecks(const SESSION_INFO_502& session);
  // Disconnects every session that reports a user name.
  void kickAll();

  // Without a user every session of the client ends, else only that user's.
  void disconnect(std::string_view client,
                  std::optional<std::string_view> user);
  void closeFile(uint32_t fileId);

 private:
  bool computerListed(std::string_view client, std::string_view address) const;

  PolicyView view_;
  NetApi& net_;
  const WatchedServer& server_;
};

}  // namespace ov::monitor
