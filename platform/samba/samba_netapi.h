#pragma once
// The network-management port against a Samba server, through its server
// service (srvsvc). One bound pipe per server is kept across calls and
// opened again at the next call after it broke. An empty server name is
// the server the port was made for. Samba gives sessions at level 1 only:
// no client type, no transport, an idle time of 0. Statuses keep their
// Windows meaning: a session or file that is gone is "not found". Where
// the server is this machine's own smbd, smbstatus adds each session's
// protocol dialect and the server's statistics.
#include <map>
#include <memory>
#include <string>

#include "platform/netapi.h"
#include "platform/samba/smb_status.h"

struct ov_srvsvc;

namespace ov::samba {

class SambaNetApi : public NetApi {
 public:
  // LOCAL_CONFIG is set when the server is this machine's smbd: its
  // smb.conf, or empty for smbstatus's own.
  SambaNetApi(std::string server, std::string credentialsFile,
              unsigned timeoutSeconds,
              std::optional<std::string> localConfig = std::nullopt);
  ~SambaNetApi() override;

  // Opens the pipe to the port's own server; false with the reason when it
  // cannot.
  bool connect(std::string& error);

  SessionBatch NetSessionEnum(std::string_view server, uint32_t level,
                              uint32_t prefMaxLen,
                              uint32_t& resumeHandle) override;
  NetStatus NetSessionDel(std::string_view server,
                          std::string_view uncClientName,
                          std::optional<std::string_view> user) override;
  NetBatch<CONNECTION_INFO_1> NetConnectionEnum(
      std::string_view server, std::string_view qualifier, uint32_t level,
      uint32_t prefMaxLen, uint32_t& resumeHandle) override;
  NetBatch<FILE_INFO_3> NetFileEnum(std::string_view server, uint32_t level,
                                    uint32_t prefMaxLen,
                                    uint32_t& resumeHandle) override;
  NetStatus NetFileClose(std::string_view server, uint32_t fileId) override;
  ShareBatch NetShareEnum(std::string_view server, uint32_t level,
                          uint32_t prefMaxLen, uint32_t& resumeHandle) override;
  NetStatus NetShareGetInfo(std::string_view server, std::string_view netName,
                            SHARE_INFO_2& out) override;
  NetStatus NetShareAdd(std::string_view server,
                        const SHARE_INFO_502& share) override;
  NetStatus NetShareSetInfo(std::string_view server, std::string_view netName,
                            const SHARE_INFO_502& share) override;
  NetStatus NetShareDel(std::string_view server,
                        std::string_view netName) override;
  NetStatus NetServerGetInfo(std::string_view server,
                             SERVER_INFO_101& out) override;
  NetStatus NetStatisticsGet(std::string_view server, std::string_view service,
                             uint32_t level, uint32_t options,
                             Statistics& out) override;

 private:
  struct PipeClose {
    void operator()(ov_srvsvc* pipe) const;
  };
  using Pipe = std::unique_ptr<ov_srvsvc, PipeClose>;

  // The bound pipe to the server, opened when there is none; null when it
  // cannot be opened.
  ov_srvsvc* pipeTo(std::string_view server, std::string* error = nullptr);
  // The pipe for an enumeration at a level it serves; null with the
  // failure in status otherwise.
  ov_srvsvc* pipeForLevel(std::string_view server, bool levelServed,
                          NetStatus& status);
  bool isOwnServer(std::string_view server) const;
  // Each session's dialect, smbstatus asked when one it has not told of
  // is listed.
  void addDialects(std::vector<SESSION_INFO_502>& sessions);
  NetStatus goneSessionStatus(std::string_view server, std::string_view client,
                              std::optional<std::string_view> user);
  // A call's status; a broken pipe is dropped, to be opened again.
  NetStatus outcome(std::string_view server, uint32_t result);

  std::string server_;
  std::string credentialsFile_;
  unsigned timeoutSeconds_;
  std::map<std::string, Pipe, std::less<>> pipes_;
  std::optional<SmbStatus> local_;
  SessionDialects dialects_;
};

}  // namespace ov::samba
