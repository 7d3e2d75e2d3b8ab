#include "platform/sim/sim_netapi.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "platform/sim/batch.h"
#include "platform/sim/sim_text.h"
#include "platform/sim/stat_fields.h"

namespace ov::sim {

namespace {

// A workstation's start time is a FILETIME: 100 ns units since 1601.
constexpr int64_t kFileTimeFrom1601To1970 = 11644473600;
constexpr int64_t kFileTimeUnitsPerSecond = 10000000;

JournalArg text(std::string_view s) { return std::string(s); }

// Max uses as the scenario writes them: -1 for no limit.
JournalArg maxUses(uint32_t value) {
  return static_cast<long long>(static_cast<int32_t>(value));
}

JournalArg accessMask(const std::optional<uint32_t>& mask) {
  if (!mask) return nullptr;
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(*mask));
  return std::string(hex);
}

// The whole descriptor the port stands for, in the platform's descriptor
// language: an access list (present, not defaulted, not protected) of one
// entry that allows everyone (S-1-1-0) the mask.
JournalArg descriptorText(const std::optional<uint32_t>& mask) {
  if (!mask) return nullptr;
  char text[40];
  std::snprintf(text, sizeof text, "D:(A;;0x%08X;;;WD)",
                static_cast<unsigned>(*mask));
  return std::string(text);
}

}  // namespace

SimNetApi::Target SimNetApi::reach(std::string_view call,
                                   std::string_view server) {
  if (const auto status = world_.failures().take(call))
    return {nullptr, *status};
  FileServer* found = world_.findServer(server);
  return {found, found ? NERR_Success : ERROR_BAD_NETPATH};
}

NetApi::SessionBatch SimNetApi::NetSessionEnum(std::string_view server,
                                               uint32_t level, uint32_t,
                                               uint32_t& resumeHandle) {
  SessionBatch batch;
  const Target target = reach("NetSessionEnum", server);
  if (target.status != NERR_Success || (level != 502 && level != 10)) {
    batch.status =
        target.status != NERR_Success ? target.status : ERROR_INVALID_LEVEL;
    return batch;
  }
  const uint64_t now = world_.nowMs();
  const auto opens = target.server->openCounts();
  for (const Session& s : target.server->sessions()) {
    const auto count = opens.find(s.serial);
    if (level == 502)
      batch.info502.push_back(
          {s.client, s.user, count == opens.end() ? 0u : count->second,
           s.secondsAt(now), s.idleSecondsAt(now), 0, s.cltype, s.transport});
    else
      batch.info10.push_back(
          {s.client,
           s.userAbsent ? std::nullopt : std::optional<std::string>(s.user),
           s.secondsAt(now), s.idleSecondsAt(now)});
  }
  batch.status =
      level == 502 ? takeBatch(batch.info502, resumeHandle, world_.batchSize())
                   : takeBatch(batch.info10, resumeHandle, world_.batchSize());
  return batch;
}

NetStatus SimNetApi::NetSessionDel(std::string_view server,
                                   std::string_view uncClientName,
                                   std::optional<std::string_view> user) {
  journal_.write("NetSessionDel", {text(server), text(uncClientName),
                                   user ? text(*user) : JournalArg(nullptr)});
  const Target target = reach("NetSessionDel", server);
  if (target.status != NERR_Success) return target.status;
  const std::string_view client = withoutUncPrefix(uncClientName);
  if (client.empty() && !user) return ERROR_INVALID_PARAMETER;
  const auto clientMatches = [&](const Session& s) {
    return client.empty() || sameName(s.client, client);
  };
  const auto& sessions = target.server->sessions();
  const bool clientKnown =
      std::any_of(sessions.begin(), sessions.end(), clientMatches);
  const size_t ended =
      world_.disconnectSessions(*target.server, [&](const Session& s) {
        return clientMatches(s) && (!user || sameName(s.user, *user));
      });
  if (ended > 0) return NERR_Success;
  return clientKnown ? NERR_UserNotFound : NERR_ClientNameNotFound;
}

NetBatch<CONNECTION_INFO_1> SimNetApi::NetConnectionEnum(
    std::string_view server, std::string_view qualifier, uint32_t level,
    uint32_t, uint32_t& resumeHandle) {
  NetBatch<CONNECTION_INFO_1> batch;
  const Target target = reach("NetConnectionEnum", server);
  if (target.status != NERR_Success) {
    batch.status = target.status;
    return batch;
  }
  if (level != 1) {
    batch.status = ERROR_INVALID_LEVEL;
    return batch;
  }
  // Only the client form of the qualifier is served.
  const std::string_view client = withoutUncPrefix(qualifier);
  if (client.size() == qualifier.size() || client.empty()) {
    batch.status = ERROR_INVALID_PARAMETER;
    return batch;
  }
  const uint64_t now = world_.nowMs();
  for (const Session& s : target.server->sessions()) {
    if (!sameName(s.client, client)) continue;
    for (const ShareUse& use : target.server->sharesUsedBy(s)) {
      const auto id = static_cast<uint32_t>(batch.entries.size() + 1);
      batch.entries.push_back(
          {id, use.type, use.opens, 1, s.secondsAt(now), s.user, use.netName});
    }
  }
  batch.status = takeBatch(batch.entries, resumeHandle, world_.batchSize());
  return batch;
}

NetBatch<FILE_INFO_3> SimNetApi::NetFileEnum(std::string_view server,
                                             uint32_t level, uint32_t,
                                             uint32_t& resumeHandle) {
  NetBatch<FILE_INFO_3> batch;
  const Target target = reach("NetFileEnum", server);
  if (target.status != NERR_Success || level != 3) {
    batch.status =
        target.status != NERR_Success ? target.status : ERROR_INVALID_LEVEL;
    return batch;
  }
  const auto owners = target.server->sessionsBySerial();
  for (const OpenFile& f : target.server->files()) {
    const auto owner = owners.find(f.session);
    batch.entries.push_back(
        {f.id, f.permissions, f.locks, f.path,
         owner != owners.end() ? owner->second->user : std::string()});
  }
  batch.status = takeBatch(batch.entries, resumeHandle, world_.batchSize());
  return batch;
}

NetStatus SimNetApi::NetFileClose(std::string_view server, uint32_t fileId) {
  journal_.write("NetFileClose",
                 {text(server), static_cast<long long>(fileId)});
  const Target target = reach("NetFileClose", server);
  if (target.status != NERR_Success) return target.status;
  return target.server->closeFile(fileId) ? NERR_Success : NERR_FileIdNotFound;
}

NetApi::ShareBatch SimNetApi::NetShareEnum(std::string_view server,
                                           uint32_t level, uint32_t,
                                           uint32_t& resumeHandle) {
  ShareBatch batch;
  const Target target = reach("NetShareEnum", server);
  if (target.status != NERR_Success || (level != 502 && level != 1)) {
    batch.status =
        target.status != NERR_Success ? target.status : ERROR_INVALID_LEVEL;
    return batch;
  }
  for (const Share& s : target.server->shares()) {
    if (level == 502)
      batch.info502.push_back({s.name, s.type, s.remark, s.permissions,
                               s.maxUses, target.server->currentUses(s), s.path,
                               "", s.accessMask});
    else
      batch.info1.push_back({s.name, s.type, s.remark});
  }
  batch.status =
      level == 502 ? takeBatch(batch.info502, resumeHandle, world_.batchSize())
                   : takeBatch(batch.info1, resumeHandle, world_.batchSize());
  return batch;
}

NetStatus SimNetApi::NetShareGetInfo(std::string_view server,
                                     std::string_view netName,
                                     SHARE_INFO_2& out) {
  const Target target = reach("NetShareGetInfo", server);
  if (target.status != NERR_Success) return target.status;
  const Share* s = target.server->findShare(netName);
  if (!s) return NERR_NetNameNotFound;
  out = {s->name,        s->type,    s->remark,
         s->permissions, s->maxUses, target.server->currentUses(*s),
         s->path,        ""};
  return NERR_Success;
}

NetStatus SimNetApi::NetShareAdd(std::string_view server,
                                 const SHARE_INFO_502& share) {
  journal_.write(
      "NetShareAdd",
      {text(server), share.shi502_netname, share.shi502_path,
       maxUses(share.shi502_max_uses), share.shi502_remark,
       accessMask(share.access_mask), descriptorText(share.access_mask)});
  const Target target = reach("NetShareAdd", server);
  if (target.status != NERR_Success) return target.status;
  if (share.shi502_netname.empty() || share.shi502_path.empty())
    return ERROR_INVALID_PARAMETER;
  if (target.server->findShare(share.shi502_netname))
    return NERR_DuplicateShare;
  target.server->shares().push_back(
      {share.shi502_netname, share.shi502_path, share.shi502_remark,
       share.shi502_type, share.shi502_max_uses, share.shi502_permissions,
       share.access_mask});
  return NERR_Success;
}

NetStatus SimNetApi::NetShareSetInfo(std::string_view server,
                                     std::string_view netName,
                                     const SHARE_INFO_502& share) {
  journal_.write("NetShareSetInfo",
                 {text(server), text(netName), share.shi502_remark,
                  maxUses(share.shi502_max_uses)});
  const Target target = reach("NetShareSetInfo", server);
  if (target.status != NERR_Success) return target.status;
  Share* s = target.server->findShare(netName);
  if (!s) return NERR_NetNameNotFound;
  // Name, path and type stay; a record without a descriptor keeps the rights.
  s->remark = share.shi502_remark;
  s->maxUses = share.shi502_max_uses;
  if (share.access_mask) s->accessMask = share.access_mask;
  return NERR_Success;
}

NetStatus SimNetApi::NetShareDel(std::string_view server,
                                 std::string_view netName) {
  journal_.write("NetShareDel", {text(server), text(netName)});
  const Target target = reach("NetShareDel", server);
  if (target.status != NERR_Success) return target.status;
  return target.server->removeShare(netName) ? NERR_Success
                                             : NERR_NetNameNotFound;
}

NetStatus SimNetApi::NetServerGetInfo(std::string_view server,
                                      SERVER_INFO_101& out) {
  const Target target = reach("NetServerGetInfo", server);
  if (target.status != NERR_Success) return target.status;
  const FileServer& computer = *target.server;
  const ServerInfo& info = computer.info;
  out = {info.platformId,
         computer.name().empty() ? world_.localHostName() : computer.name(),
         info.versionMajor,
         info.versionMinor,
         info.type,
         info.comment};
  return NERR_Success;
}

NetStatus SimNetApi::NetStatisticsGet(std::string_view server,
                                      std::string_view service, uint32_t level,
                                      uint32_t, Statistics& out) {
  // "NetStatisticsGet:LanmanWorkstation" fails one service's call alone.
  if (const auto status =
          world_.failures().take("NetStatisticsGet:" + std::string(service)))
    return *status;
  const Target target = reach("NetStatisticsGet", server);
  if (target.status != NERR_Success) return target.status;
  if (level != 0) return ERROR_INVALID_LEVEL;
  // The scenario's counters by name. The ones it does not set are 0, but
  // for the start times: the services started with the run.
  const int64_t started = world_.startUnixTime();
  const auto value = [started](const std::map<std::string, int64_t>& set,
                               std::string_view name) {
    const auto found = set.find(std::string(name));
    if (found != set.end()) return found->second;
    if (name == "sts0_start") return started;
    if (name == "StatisticsStartTime")
      return (started + kFileTimeFrom1601To1970) * kFileTimeUnitsPerSecond;
    return int64_t{0};
  };
  if (sameName(service, "LanmanServer")) {
    const auto names = serverStatFields();
    for (std::size_t i = 0; i < names.size(); ++i)
      out.server.counters[i] =
          static_cast<uint32_t>(value(world_.serverStats(), names[i]));
    return NERR_Success;
  }
  if (sameName(service, "LanmanWorkstation")) {
    const auto names = workstationStatFields();
    STAT_WORKSTATION_0& record = out.workstation;
    const std::size_t large = record.largeCounters.size();
    for (std::size_t i = 0; i < names.size(); ++i) {
      const int64_t counter = value(world_.workstationStats(), names[i]);
      if (i < large)
        record.largeCounters[i] = counter;
      else
        record.counters[i - large] = static_cast<uint32_t>(counter);
    }
    return NERR_Success;
  }
  return ERROR_INVALID_PARAMETER;
}

}  // namespace ov::sim
