#pragma once
// The network-management port over the simulated world. Calls that change
// the world are written to the journal, whatever their result.
#include "platform/journal.h"
#include "platform/netapi.h"
#include "platform/sim/world.h"

namespace ov::sim {

inline constexpr NetStatus NERR_DuplicateShare = 2118;

class SimNetApi : public NetApi {
 public:
  SimNetApi(World& world, Journal& journal)
      : world_(world), journal_(journal) {}

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
  // The server a call reaches, or the status the call returns at once: an
  // armed failure of that call, or 53 for a computer nobody declared.
  struct Target {
    FileServer* server = nullptr;
    NetStatus status = NERR_Success;
  };
  Target reach(std::string_view call, std::string_view server);

  World& world_;
  Journal& journal_;
};

}  // namespace ov::sim
