// The sessions pass of the monitor cycle: every session of the watched
// server is shown, checked, announced when new, tracked and listed with the
// shares it uses.
#include <type_traits>

#include "monitor/client_address.h"
#include "monitor/display_rows.h"
#include "monitor/grid_rows.h"
#include "monitor/monitor_cycle.h"
#include "monitor/net_enum.h"

namespace ov::monitor {

namespace {

// Below this many sessions a grid that is not cleaned keeps its header and
// four rows, old text included.
constexpr std::size_t kFitFromSessions = 5;
constexpr int kKeptConnsRows = 5;

constexpr std::string_view kConnectedTitle = "Подключился:";
constexpr uint32_t kBalloonMs = 5000;
constexpr std::string_view kConnectSound = "connect.wav";

constexpr uint32_t kConnectionLevel = 1;
constexpr uint32_t kConnectionPrefLength = 2048;

}  // namespace

bool MonitorCycle::sessionsPass() {
  const bool level10 = sessionLevel_ == kRemoteSessionLevel;
  // Positions run on across batches, so a server that answers in several
  // batches still gets one row per session.
  std::size_t listed = 0;
  const NetStatus status = enumerateAll(
      [&](uint32_t& resumeHandle) {
        return ports_.net.NetSessionEnum(server_, sessionLevel_,
                                         MAX_PREFERRED_LENGTH, resumeHandle);
      },
      [&](const NetApi::SessionBatch& batch) {
        const std::size_t count =
            level10 ? batch.info10.size() : batch.info502.size();
        sizeConnsGrid(listed + count);
        for (std::size_t i = 0; i < count; ++i, ++listed) {
          if (level10)
            handleSession(batch.info10[i], listed);
          else
            handleSession(batch.info502[i], listed);
        }
      });
  return status == NERR_Success;
}

void MonitorCycle::sizeConnsGrid(std::size_t sessionsListed) {
  if (sessionsListed >= kFitFromSessions || view_.cb_cleantable.checked())
    fitGridRows(view_.st_conns, sessionsListed);
  else
    view_.st_conns.setRowCount(kKeptConnsRows);
}

template <typename SessionInfo>
void MonitorCycle::handleSession(const SessionInfo& info,
                                 std::size_t position) {
  SessionFacts session;
  if constexpr (std::is_same_v<SessionInfo, SESSION_INFO_502>) {
    session = {info.sesi502_cname, info.sesi502_username,
               info.sesi502_cltype_name, info.sesi502_time};
  } else {
    // Some servers leave the user name out.
    const std::string_view user =
        info.sesi10_username ? std::string_view(*info.sesi10_username) : "";
    session = {info.sesi10_cname, user, "", info.sesi10_time};
  }
  const std::string address =
      resolveClientAddress(ports_.sockets, session.client);
  parts_.addresses.record(session.client, address);
  if (pageShowing(kConnectionsPage))
    writeGridRow(
        view_.st_conns, position + 1,
        connsGridRow(info, ports_.locale.longTime(ports_.clock.now())));

  CycleCounters& counters = parts_.counters;
  if (session.user.empty()) counters.userlessSessionSeen = true;
  ++counters.sessionsThisCycle;

  if (parts_.policy.sessionChecks(session.client, address, session.user))
    return;
  if (view_.cb_conninfo.checked() && !session.user.empty() &&
      !parts_.connections.findActive(session.client, session.user))
    announceNewConnection(session, address);
  if (view_.cb_rules.checked())
    parts_.rules.timeEvent(address, session.seconds);
  // Tracked at both levels, so that a connection is new only once.
  parts_.connections.trackConnection(session.client, session.user,
                                     session.clientSystem, session.seconds);
  if (pageShowing(kResourcesPage)) listClientShares(session.client);
}

void MonitorCycle::announceNewConnection(const SessionFacts& session,
                                         const std::string& address) {
  parts_.connections.trackConnection(session.client, session.user,
                                     session.clientSystem, session.seconds);
  const std::string title(kConnectedTitle);
  const std::string text =
      std::string(session.client) + " (" + std::string(session.user) + ")";
  parts_.tray.Balloon(title, text, kBalloonMs);
  if (ports_.sound.waveOutGetNumDevs() > 0 && view_.cb_connsound.checked())
    ports_.sound.PlaySound(kConnectSound);
  if (view_.cb_rules.checked()) parts_.rules.connectEvent(address);
  parts_.tray.Balloon(title, text, kBalloonMs);
}

void MonitorCycle::listClientShares(std::string_view client) {
  view_.ListBox4.addItem(std::string(client));
  const std::string qualifier = "\\\\" + std::string(client);
  enumerateAll(
      [&](uint32_t& resumeHandle) {
        return ports_.net.NetConnectionEnum(
            server_, qualifier, kConnectionLevel, kConnectionPrefLength,
            resumeHandle);
      },
      [&](const NetBatch<CONNECTION_INFO_1>& batch) {
        for (const CONNECTION_INFO_1& connection : batch.entries)
          view_.ListBox4.addItem("- " + connection.coni1_netname);
      });
}

}  // namespace ov::monitor
