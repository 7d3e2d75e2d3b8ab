#pragma once
// What smbstatus tells of this machine's own smbd that the server service
// does not: each session's protocol dialect, and the profile's counters
// (with "smbd profiling level = on") for the server's statistics.
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "platform/netapi.h"
#include "platform/samba/json_value.h"

namespace ov::samba {

// The dialect ("SMB3_11") of each session of smbstatus --json, by client
// and user.
using SessionDialects =
    std::map<std::pair<std::string, std::string>, std::string>;
SessionDialects sessionDialects(const JsonValue& status);

// The server's counters from the profile of smbstatus -P --json: files
// opened, connections, bytes each way and the mean response time; what
// Samba does not count stays 0, the start is STARTED. False when the
// profile holds no counters (profiling is off).
bool serverStatistics(const JsonValue& profile, int64_t started,
                      STAT_SERVER_0& out);

// Runs smbstatus on the configuration CONFIG (empty: smbstatus's own).
class SmbStatus {
 public:
  explicit SmbStatus(std::string config) : config_(std::move(config)) {}
  // The sessions, or with PROFILE the profile; nothing when smbstatus
  // cannot be run or prints no JSON.
  std::optional<JsonValue> read(bool profile) const;

 private:
  std::string config_;
};

}  // namespace ov::samba
