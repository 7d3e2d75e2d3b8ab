#include "platform/samba/samba_netapi.h"

#include <ctime>
#include <fstream>
#include <utility>

#include "platform/posix/process_start.h"
#include "platform/posix/tcp_reach.h"
#include "platform/samba/srvsvc_pipe.h"
#include "platform/text/upper_case.h"

namespace ov::samba {

namespace {

constexpr const char* kSmbPort = "445";

// Samba's word for a share that is not there.
constexpr NetStatus kBadNetName = 67;

NetStatus shareStatus(NetStatus status) {
  return status == kBadNetName ? NERR_NetNameNotFound : status;
}

// Names are told apart without regard to case, as Samba does.
bool sameName(std::string_view a, std::string_view b) {
  return utf8Upper(a) == utf8Upper(b);
}

std::string text(const char* value) { return value ? value : ""; }

// A server as the calls name it: without the leading backslashes.
std::string_view bareName(std::string_view server) {
  while (server.starts_with('\\')) server.remove_prefix(1);
  return server;
}

}  // namespace

void SambaNetApi::PipeClose::operator()(ov_srvsvc* pipe) const {
  ov_srvsvc_close(pipe);
}

SambaNetApi::SambaNetApi(std::string server, std::string credentialsFile,
                         unsigned timeoutSeconds,
                         std::optional<std::string> localConfig)
    : server_(std::move(server)),
      credentialsFile_(std::move(credentialsFile)),
      timeoutSeconds_(timeoutSeconds) {
  if (localConfig) local_.emplace(std::move(*localConfig));
}

SambaNetApi::~SambaNetApi() = default;

bool SambaNetApi::connect(std::string& error) {
  // Samba's own reader would say so on standard error first.
  if (!std::ifstream(credentialsFile_)) {
    error = "cannot read the credentials file " + credentialsFile_;
    return false;
  }
  return pipeTo("", &error) != nullptr;
}

ov_srvsvc* SambaNetApi::pipeTo(std::string_view server, std::string* error) {
  const std::string name(server.empty() ? server_ : bareName(server));
  if (auto found = pipes_.find(name); found != pipes_.end())
    return found->second.get();
  // Samba's own connect waits a minute on a host that drops packets.
  if (posix::tcpReach(name, kSmbPort, timeoutSeconds_ * 1000) ==
      posix::TcpReach::Silent) {
    if (error)
      *error = "no file server answers there (nothing answers on port " +
               std::string(kSmbPort) + " within " +
               std::to_string(timeoutSeconds_) + " s)";
    return nullptr;
  }
  char reason[512] = "";
  Pipe pipe(ov_srvsvc_open(name.c_str(), credentialsFile_.c_str(),
                           timeoutSeconds_, reason, sizeof reason));
  if (!pipe) {
    if (error) *error = reason;
    return nullptr;
  }
  return pipes_.emplace(name, std::move(pipe)).first->second.get();
}

ov_srvsvc* SambaNetApi::pipeForLevel(std::string_view server, bool levelServed,
                                     NetStatus& status) {
  status = levelServed ? NERR_Success : ERROR_INVALID_LEVEL;
  ov_srvsvc* pipe = levelServed ? pipeTo(server) : nullptr;
  if (levelServed && !pipe) status = ERROR_BAD_NETPATH;
  return pipe;
}

NetStatus SambaNetApi::outcome(std::string_view server, uint32_t result) {
  if (result != OV_SRVSVC_BROKEN) return result;
  pipes_.erase(std::string(server.empty() ? server_ : bareName(server)));
  return ERROR_BAD_NETPATH;
}

NetApi::SessionBatch SambaNetApi::NetSessionEnum(std::string_view server,
                                                 uint32_t level, uint32_t,
                                                 uint32_t& resumeHandle) {
  SessionBatch batch;
  resumeHandle = 0;
  ov_srvsvc* pipe =
      pipeForLevel(server, level == 502 || level == 10, batch.status);
  if (!pipe) return batch;
  const ov_session1* sessions = nullptr;
  uint32_t count = 0;
  batch.status = outcome(server, ov_srvsvc_sessions(pipe, &sessions, &count));
  for (uint32_t i = 0; batch.status == NERR_Success && i < count; ++i) {
    const ov_session1& s = sessions[i];
    if (level == 10)
      batch.info10.push_back(
          {text(s.client), text(s.user), s.time, s.idle_time});
    else
      batch.info502.push_back({.sesi502_cname = text(s.client),
                               .sesi502_username = text(s.user),
                               .sesi502_num_opens = s.num_open,
                               .sesi502_time = s.time,
                               .sesi502_idle_time = s.idle_time,
                               .sesi502_user_flags = s.user_flags,
                               .sesi502_cltype_name = {},
                               .sesi502_transport = {}});
  }
  if (local_ && isOwnServer(server) && batch.status == NERR_Success)
    addDialects(batch.info502);
  return batch;
}

bool SambaNetApi::isOwnServer(std::string_view server) const {
  return server.empty() || sameName(bareName(server), server_);
}

void SambaNetApi::addDialects(std::vector<SESSION_INFO_502>& sessions) {
  SessionDialects listed;
  bool asked = false;
  for (SESSION_INFO_502& session : sessions) {
    const auto key = std::pair(session.sesi502_cname, session.sesi502_username);
    auto known = dialects_.find(key);
    if (known == dialects_.end() && !asked) {
      asked = true;
      if (const auto status = local_->read(false))
        dialects_.merge(sessionDialects(*status));
      known = dialects_.find(key);
    }
    session.sesi502_cltype_name = known != dialects_.end() ? known->second : "";
    // Kept also when smbstatus did not tell it: not asked again each poll.
    listed[key] = session.sesi502_cltype_name;
  }
  dialects_ = std::move(listed);
}

NetStatus SambaNetApi::NetSessionDel(std::string_view server,
                                     std::string_view uncClientName,
                                     std::optional<std::string_view> user) {
  ov_srvsvc* pipe = pipeTo(server);
  if (!pipe) return ERROR_BAD_NETPATH;
  const std::string client(uncClientName);
  const std::string userName(user.value_or(""));
  const NetStatus status =
      outcome(server, ov_srvsvc_session_del(pipe, client.c_str(),
                                            user ? userName.c_str() : nullptr));
  if (status != ERROR_ACCESS_DENIED) return status;
  return goneSessionStatus(server, bareName(uncClientName), user);
}

// Samba answers "access denied" when no session matched, too: the
// sessions still there tell which it was.
NetStatus SambaNetApi::goneSessionStatus(std::string_view server,
                                         std::string_view client,
                                         std::optional<std::string_view> user) {
  uint32_t resume = 0;
  const SessionBatch now = NetSessionEnum(server, 10, 0, resume);
  if (now.status != NERR_Success) return ERROR_ACCESS_DENIED;
  bool clientThere = false;
  for (const SESSION_INFO_10& session : now.info10) {
    if (session.sesi10_cname != client) continue;
    clientThere = true;
    if (!user || session.sesi10_username == *user) return ERROR_ACCESS_DENIED;
  }
  return clientThere ? NERR_UserNotFound : NERR_ClientNameNotFound;
}

NetBatch<FILE_INFO_3> SambaNetApi::NetFileEnum(std::string_view server,
                                               uint32_t level, uint32_t,
                                               uint32_t& resumeHandle) {
  NetBatch<FILE_INFO_3> batch;
  resumeHandle = 0;
  ov_srvsvc* pipe = pipeForLevel(server, level == 3, batch.status);
  if (!pipe) return batch;
  const ov_file3* files = nullptr;
  uint32_t count = 0;
  batch.status = outcome(server, ov_srvsvc_files(pipe, &files, &count));
  for (uint32_t i = 0; batch.status == NERR_Success && i < count; ++i)
    batch.entries.push_back({files[i].id, files[i].permissions,
                             files[i].num_locks, text(files[i].path),
                             text(files[i].user)});
  return batch;
}

NetStatus SambaNetApi::NetFileClose(std::string_view server, uint32_t fileId) {
  constexpr NetStatus kFileNotFound = 2;  // Samba's word for a gone file
  ov_srvsvc* pipe = pipeTo(server);
  if (!pipe) return ERROR_BAD_NETPATH;
  const NetStatus status = outcome(server, ov_srvsvc_file_close(pipe, fileId));
  return status == kFileNotFound ? NERR_FileIdNotFound : status;
}

// Samba answers the connection enumeration with one made-up connection
// ("dummy_user" on "IPC$") whatever it is asked, and refuses the
// statistics: both fail as on a server without them.
NetBatch<CONNECTION_INFO_1> SambaNetApi::NetConnectionEnum(
    std::string_view, std::string_view, uint32_t, uint32_t,
    uint32_t& resumeHandle) {
  resumeHandle = 0;
  return {ERROR_NOT_SUPPORTED, {}};
}

NetApi::ShareBatch SambaNetApi::NetShareEnum(std::string_view server,
                                             uint32_t level, uint32_t,
                                             uint32_t& resumeHandle) {
  ShareBatch batch;
  resumeHandle = 0;
  ov_srvsvc* pipe =
      pipeForLevel(server, level == 502 || level == 1, batch.status);
  if (!pipe) return batch;
  const ov_share* shares = nullptr;
  uint32_t count = 0;
  batch.status =
      outcome(server, ov_srvsvc_shares(pipe, level, &shares, &count));
  for (uint32_t i = 0; batch.status == NERR_Success && i < count; ++i) {
    const ov_share& s = shares[i];
    if (level == 1) {
      batch.info1.push_back({text(s.name), s.type, text(s.comment)});
      continue;
    }
    // The share's security descriptor is not read: no access mask.
    SHARE_INFO_502 share;
    share.shi502_netname = text(s.name);
    share.shi502_type = s.type;
    share.shi502_remark = text(s.comment);
    share.shi502_permissions = s.permissions;
    share.shi502_max_uses = s.max_users;
    share.shi502_current_uses = s.current_users;
    share.shi502_path = text(s.path);
    batch.info502.push_back(std::move(share));
  }
  return batch;
}

// One share's record is the enumeration's: the same fields, one call.
NetStatus SambaNetApi::NetShareGetInfo(std::string_view server,
                                       std::string_view netName,
                                       SHARE_INFO_2& out) {
  uint32_t resume = 0;
  const ShareBatch all = NetShareEnum(server, 502, 0, resume);
  if (all.status != NERR_Success) return all.status;
  for (const SHARE_INFO_502& share : all.info502)
    if (sameName(share.shi502_netname, netName)) {
      out = {share.shi502_netname,  share.shi502_type,
             share.shi502_remark,   share.shi502_permissions,
             share.shi502_max_uses, share.shi502_current_uses,
             share.shi502_path,     share.shi502_passwd};
      return NERR_Success;
    }
  return NERR_NetNameNotFound;
}

namespace {

// The share's fields as the pipe sends them; the texts stay the record's.
ov_share pipeShare(const SHARE_INFO_502& share) {
  return {share.shi502_netname.c_str(), share.shi502_type,
          share.shi502_remark.c_str(),  share.shi502_permissions,
          share.shi502_max_uses,        share.shi502_current_uses,
          share.shi502_path.c_str()};
}

}  // namespace

// The share's access list is left to the server: Samba keeps its own.
NetStatus SambaNetApi::NetShareAdd(std::string_view server,
                                   const SHARE_INFO_502& share) {
  ov_srvsvc* pipe = pipeTo(server);
  if (!pipe) return ERROR_BAD_NETPATH;
  const ov_share sent = pipeShare(share);
  return outcome(server, ov_srvsvc_share_add(pipe, &sent));
}

NetStatus SambaNetApi::NetShareSetInfo(std::string_view server,
                                       std::string_view netName,
                                       const SHARE_INFO_502& share) {
  ov_srvsvc* pipe = pipeTo(server);
  if (!pipe) return ERROR_BAD_NETPATH;
  const ov_share sent = pipeShare(share);
  const std::string name(netName);
  return shareStatus(
      outcome(server, ov_srvsvc_share_set(pipe, name.c_str(), &sent)));
}

NetStatus SambaNetApi::NetShareDel(std::string_view server,
                                   std::string_view netName) {
  ov_srvsvc* pipe = pipeTo(server);
  if (!pipe) return ERROR_BAD_NETPATH;
  const std::string name(netName);
  return shareStatus(outcome(server, ov_srvsvc_share_del(pipe, name.c_str())));
}

NetStatus SambaNetApi::NetServerGetInfo(std::string_view server,
                                        SERVER_INFO_101& out) {
  ov_srvsvc* pipe = pipeTo(server);
  if (!pipe) return ERROR_BAD_NETPATH;
  ov_server101 info{};
  const NetStatus status = outcome(server, ov_srvsvc_server_info(pipe, &info));
  if (status != NERR_Success) return status;
  out = {info.platform_id,   text(info.name), info.version_major,
         info.version_minor, info.type,       text(info.comment)};
  return status;
}

// Only this machine's own smbd is counted, by its profile; Linux has no
// workstation service to count.
NetStatus SambaNetApi::NetStatisticsGet(std::string_view server,
                                        std::string_view service,
                                        uint32_t level, uint32_t,
                                        Statistics& out) {
  if (!local_ || !isOwnServer(server) || !sameName(service, "LanmanServer"))
    return ERROR_NOT_SUPPORTED;
  if (level != 0) return ERROR_INVALID_LEVEL;
  const auto profile = local_->read(true);
  // A daemon this machine cannot see shows as just started, not as 1970.
  const int64_t started =
      posix::oldestProcessStart("smbd").value_or(std::time(nullptr));
  if (!profile || !serverStatistics(*profile, started, out.server))
    return ERROR_NOT_SUPPORTED;
  return NERR_Success;
}

}  // namespace ov::samba
