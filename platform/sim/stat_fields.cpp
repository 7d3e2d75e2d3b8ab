#include "platform/sim/stat_fields.h"

#include <array>

namespace ov::sim {

namespace {

constexpr std::array<std::string_view, 17> kServer = {
    "sts0_start",         "sts0_fopens",         "sts0_devopens",
    "sts0_jobsqueued",    "sts0_sopens",         "sts0_stimedout",
    "sts0_serrorout",     "sts0_pwerrors",       "sts0_permerrors",
    "sts0_syserrors",     "sts0_bytessent_low",  "sts0_bytessent_high",
    "sts0_bytesrcvd_low", "sts0_bytesrcvd_high", "sts0_avresponse",
    "sts0_reqbufneed",    "sts0_bigbufneed"};

constexpr std::array<std::string_view, 40> kWorkstation = {
    // 64-bit counters
    "StatisticsStartTime", "BytesReceived", "SmbsReceived",
    "PagingReadBytesRequested", "NonPagingReadBytesRequested",
    "CacheReadBytesRequested", "NetworkReadBytesRequested", "BytesTransmitted",
    "SmbsTransmitted", "PagingWriteBytesRequested",
    "NonPagingWriteBytesRequested", "CacheWriteBytesRequested",
    "NetworkWriteBytesRequested",
    // 32-bit counters
    "InitiallyFailedOperations", "FailedCompletionOperations", "ReadOperations",
    "RandomReadOperations", "ReadSmbs", "LargeReadSmbs", "SmallReadSmbs",
    "WriteOperations", "RandomWriteOperations", "WriteSmbs", "LargeWriteSmbs",
    "SmallWriteSmbs", "RawReadsDenied", "RawWritesDenied", "NetworkErrors",
    "Sessions", "FailedSessions", "Reconnects", "CoreConnects",
    "Lanman20Connects", "Lanman21Connects", "LanmanNtConnects",
    "ServerDisconnects", "HungSessions", "UseCount", "FailedUseCount",
    "CurrentCommands"};

}  // namespace

std::span<const std::string_view> serverStatFields() { return kServer; }

std::span<const std::string_view> workstationStatFields() {
  return kWorkstation;
}

}  // namespace ov::sim
