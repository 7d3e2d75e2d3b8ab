#pragma once
// The network-management port over NETAPI32: the records come back in
// UTF-8, and every buffer the system hands out is released at once.
#include "platform/netapi.h"

namespace ov::win32 {

class WinNetApi : public NetApi {
 public:
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
};

}  // namespace ov::win32
