#include "monitor/access_policy.h"

#include "monitor/client_unc.h"
#include "monitor/net_enum.h"

namespace ov::monitor {

namespace {

constexpr uint32_t kKickAllLevel = 10;
constexpr uint32_t kKickAllPrefLength = 2048;
// A session idle since it was set up goes once it is older than this.
constexpr uint32_t kIdleSinceSetupSeconds = 60;

// Whole entry, case-sensitive.
bool listHolds(const ui::ListBox& list, std::string_view name) {
  for (int i = 0; i < list.count(); ++i)
    if (list.item(i) == name) return true;
  return false;
}

}  // namespace

AccessPolicy::AccessPolicy(const PolicyView& view, NetApi& net,
                           const WatchedServer& server)
    : view_(view), net_(net), server_(server) {}

bool AccessPolicy::sessionChecks(std::string_view client,
                                 std::string_view address,
                                 std::string_view user) {
  // Under inverted logic the list names the only computers let in.
  if (computerListed(client, address) != view_.sec_logic.checked()) {
    disconnect(client, std::nullopt);
    return true;
  }
  if (listHolds(view_.ListBox2, user)) {
    disconnect(client, user);
    return true;
  }
  if (view_.SecurityCB1.checked()) {
    disconnect(client, std::nullopt);
    return true;
  }
  return false;
}

bool AccessPolicy::computerListed(std::string_view client,
                                  std::string_view address) const {
  return listHolds(view_.ListBox1, client) ||
         listHolds(view_.ListBox1, address);
}

void AccessPolicy::openFileChecks(uint32_t fileId) {
  if (view_.cb_kickpipe.checked()) closeFile(fileId);
  if (view_.SecurityCB1.checked()) closeFile(fileId);
}

void AccessPolicy::openFileLimit(uint32_t fileId, std::size_t position) {
  const int limit = view_.n_denyf.value();
  // A limit of N keeps the first N entries open.
  if (limit > 0 && view_.cb_denyf.checked() &&
      position >= static_cast<std::size_t>(limit))
    closeFile(fileId);
}

void AccessPolicy::idleChecks(const SESSION_INFO_502& session) {
  const std::string_view client = session.sesi502_cname;
  const std::string_view user = session.sesi502_username;
  const int64_t idleMinutes = session.sesi502_idle_time / 60;
  if (view_.AutoKick != 0 && idleMinutes >= view_.KickTime)
    disconnect(client, user);
  if (session.sesi502_time == session.sesi502_idle_time &&
      session.sesi502_time > kIdleSinceSetupSeconds)
    disconnect(client, user);
}

void AccessPolicy::kickAll() {
  enumerateAll(
      [&](uint32_t& resumeHandle) {
        return net_.NetSessionEnum(server_.name(), kKickAllLevel,
                                   kKickAllPrefLength, resumeHandle);
      },
      [&](const NetApi::SessionBatch& batch) {
        for (const SESSION_INFO_10& session : batch.info10)
          if (session.sesi10_username)
            disconnect(session.sesi10_cname, *session.sesi10_username);
      });
}

void AccessPolicy::disconnect(std::string_view client,
                              std::optional<std::string_view> user) {
  net_.NetSessionDel(server_.name(), uncClientName(client), user);
}

void AccessPolicy::closeFile(uint32_t fileId) {
  net_.NetFileClose(server_.name(), fileId);
}

}  // namespace ov::monitor
