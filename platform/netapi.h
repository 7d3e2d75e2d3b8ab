#pragma once
// Network-management port: the server's sessions, connections, open files,
// shares, server information and statistics, shaped like the platform calls.
// Every string is UTF-8; an empty server name is the local machine.
// The platform's NetApiBufferFree has no counterpart: batches are values.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ov {

using NetStatus = uint32_t;
inline constexpr NetStatus NERR_Success = 0;
inline constexpr NetStatus ERROR_ACCESS_DENIED = 5;
inline constexpr NetStatus ERROR_NOT_SUPPORTED = 50;
inline constexpr NetStatus ERROR_BAD_NETPATH = 53;
inline constexpr NetStatus ERROR_INVALID_PARAMETER = 87;
inline constexpr NetStatus ERROR_INVALID_LEVEL = 124;
inline constexpr NetStatus ERROR_MORE_DATA = 234;
inline constexpr NetStatus NERR_UserNotFound = 2221;
inline constexpr NetStatus NERR_NetNameNotFound = 2310;
inline constexpr NetStatus NERR_ClientNameNotFound = 2312;
inline constexpr NetStatus NERR_FileIdNotFound = 2314;
inline constexpr uint32_t MAX_PREFERRED_LENGTH = 0xFFFFFFFFu;

struct SESSION_INFO_502 {
  std::string sesi502_cname;
  std::string sesi502_username;
  uint32_t sesi502_num_opens = 0;
  uint32_t sesi502_time = 0;
  uint32_t sesi502_idle_time = 0;
  uint32_t sesi502_user_flags = 0;
  std::string sesi502_cltype_name;
  std::string sesi502_transport;
};

struct SESSION_INFO_10 {
  std::string sesi10_cname;
  std::optional<std::string> sesi10_username;  // null on some servers
  uint32_t sesi10_time = 0;
  uint32_t sesi10_idle_time = 0;
};

struct CONNECTION_INFO_1 {
  uint32_t coni1_id = 0;
  uint32_t coni1_type = 0;
  uint32_t coni1_num_opens = 0;
  uint32_t coni1_num_users = 0;
  uint32_t coni1_time = 0;
  std::string coni1_username;
  std::string coni1_netname;
};

struct FILE_INFO_3 {
  uint32_t fi3_id = 0;
  uint32_t fi3_permissions = 0;
  uint32_t fi3_num_locks = 0;
  std::string fi3_pathname;
  std::string fi3_username;
};

struct SHARE_INFO_1 {
  std::string shi1_netname;
  uint32_t shi1_type = 0;
  std::string shi1_remark;
};

struct SHARE_INFO_2 {
  std::string shi2_netname;
  uint32_t shi2_type = 0;
  std::string shi2_remark;
  uint32_t shi2_permissions = 0;
  uint32_t shi2_max_uses = 0xFFFFFFFFu;
  uint32_t shi2_current_uses = 0;
  std::string shi2_path;
  std::string shi2_passwd;
};

struct SHARE_INFO_502 {
  std::string shi502_netname;
  uint32_t shi502_type = 0;
  std::string shi502_remark;
  uint32_t shi502_permissions = 0;
  uint32_t shi502_max_uses = 0xFFFFFFFFu;
  uint32_t shi502_current_uses = 0;
  std::string shi502_path;
  std::string shi502_passwd;
  // The access mask granted to everyone by the share's security descriptor;
  // empty when the share has no descriptor.
  std::optional<uint32_t> access_mask;
};

struct SERVER_INFO_101 {
  uint32_t sv101_platform_id = 0;
  std::string sv101_name;
  uint32_t sv101_version_major = 0;
  uint32_t sv101_version_minor = 0;
  uint32_t sv101_type = 0;
  std::string sv101_comment;
};

// The server service's counters, in the record's field order: sts0_start,
// sts0_fopens ... sts0_bigbufneed.
struct STAT_SERVER_0 {
  std::array<uint32_t, 17> counters{};
};

// The workstation service's 13 64-bit counters (StatisticsStartTime ...
// NetworkWriteBytesRequested), then its 27 32-bit ones
// (InitiallyFailedOperations ... CurrentCommands), in the record's order.
struct STAT_WORKSTATION_0 {
  std::array<int64_t, 13> largeCounters{};
  std::array<uint32_t, 27> counters{};
};

// One call's answer of an enumeration: the entries of this batch and the
// status (NERR_Success, ERROR_MORE_DATA while more remain, or a failure).
template <typename Record>
struct NetBatch {
  NetStatus status = NERR_Success;
  std::vector<Record> entries;
};

class NetApi {
 public:
  virtual ~NetApi() = default;

  // level 502 fills info502, level 10 fills info10.
  struct SessionBatch {
    NetStatus status = NERR_Success;
    std::vector<SESSION_INFO_502> info502;
    std::vector<SESSION_INFO_10> info10;
  };
  virtual SessionBatch NetSessionEnum(std::string_view server, uint32_t level,
                                      uint32_t prefMaxLen,
                                      uint32_t& resumeHandle) = 0;
  virtual NetStatus NetSessionDel(std::string_view server,
                                  std::string_view uncClientName,
                                  std::optional<std::string_view> user) = 0;
  virtual NetBatch<CONNECTION_INFO_1> NetConnectionEnum(
      std::string_view server, std::string_view qualifier, uint32_t level,
      uint32_t prefMaxLen, uint32_t& resumeHandle) = 0;
  virtual NetBatch<FILE_INFO_3> NetFileEnum(std::string_view server,
                                            uint32_t level, uint32_t prefMaxLen,
                                            uint32_t& resumeHandle) = 0;
  virtual NetStatus NetFileClose(std::string_view server, uint32_t fileId) = 0;

  // level 502 fills info502, level 1 fills info1.
  struct ShareBatch {
    NetStatus status = NERR_Success;
    std::vector<SHARE_INFO_502> info502;
    std::vector<SHARE_INFO_1> info1;
  };
  virtual ShareBatch NetShareEnum(std::string_view server, uint32_t level,
                                  uint32_t prefMaxLen,
                                  uint32_t& resumeHandle) = 0;
  virtual NetStatus NetShareGetInfo(std::string_view server,
                                    std::string_view netName,
                                    SHARE_INFO_2& out) = 0;
  virtual NetStatus NetShareAdd(std::string_view server,
                                const SHARE_INFO_502& share) = 0;
  virtual NetStatus NetShareSetInfo(std::string_view server,
                                    std::string_view netName,
                                    const SHARE_INFO_502& share) = 0;
  virtual NetStatus NetShareDel(std::string_view server,
                                std::string_view netName) = 0;
  virtual NetStatus NetServerGetInfo(std::string_view server,
                                     SERVER_INFO_101& out) = 0;

  // service "LanmanServer" fills server, "LanmanWorkstation" workstation;
  // level 0.
  struct Statistics {
    STAT_SERVER_0 server;
    STAT_WORKSTATION_0 workstation;
  };
  virtual NetStatus NetStatisticsGet(std::string_view server,
                                     std::string_view service, uint32_t level,
                                     uint32_t options, Statistics& out) = 0;
};

}  // namespace ov
