#include "platform/samba/smb_status.h"

#include <cstdio>
#include <memory>

namespace ov::samba {

namespace {

// smbstatus prints its own name for a user of a domain ("DOM\user"); the
// server service gives the user alone.
std::string bareUser(const std::string& user) {
  const auto slash = user.rfind('\\');
  return slash == std::string::npos ? user : user.substr(slash + 1);
}

std::string textOf(const JsonValue* value) {
  return value && value->kind == JsonValue::Kind::String ? value->text : "";
}

unsigned long long numberOf(const JsonValue* value) {
  return value ? value->whole() : 0;
}

// The groups of the profile whose calls carry bytes each way.
constexpr const char* kCallGroups[] = {"SMB Calls", "Trans2 Calls",
                                       "NT Transact Calls", "SMB2 Calls"};
// The calls that open a file.
constexpr const char* kOpenCalls[] = {
    "SMBopen",  "SMBcreate",   "SMBopenX",           "SMBntcreateX", "SMBmknew",
    "SMBctemp", "Trans2_open", "NT_transact_create", "smb2_create"};

// A POSIX shell word holding TEXT as it is.
std::string shellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text)
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

constexpr std::size_t kMaxOutput = 64u << 20;

}  // namespace

SessionDialects sessionDialects(const JsonValue& status) {
  SessionDialects dialects;
  const JsonValue* sessions = status.member("sessions");
  if (!sessions) return dialects;
  for (const auto& [id, session] : sessions->members)
    dialects[{textOf(session.member("remote_machine")),
              bareUser(textOf(session.member("username")))}] =
        textOf(session.member("session_dialect"));
  return dialects;
}

bool serverStatistics(const JsonValue& profile, int64_t started,
                      STAT_SERVER_0& out) {
  unsigned long long opened = 0, sent = 0, received = 0, calls = 0, time = 0;
  bool counted = false;
  for (const char* group : kCallGroups) {
    const JsonValue* groupCalls = profile.member(group);
    if (!groupCalls) continue;
    counted = true;
    for (const auto& [name, call] : groupCalls->members) {
      sent += numberOf(call.member("outbytes"));
      received += numberOf(call.member("inbytes"));
      calls += numberOf(call.member("count"));
      time += numberOf(call.member("time"));
      for (const char* open : kOpenCalls)
        if (name == open) opened += numberOf(call.member("count"));
    }
  }
  if (!counted) return false;
  const JsonValue* loop = profile.member("SMBD loop");
  const JsonValue* connects = loop ? loop->member("connect") : nullptr;
  out = {};
  out.counters[0] = static_cast<uint32_t>(started);
  out.counters[1] = static_cast<uint32_t>(opened);
  out.counters[4] = static_cast<uint32_t>(
      numberOf(connects ? connects->member("count") : nullptr));
  out.counters[10] = static_cast<uint32_t>(sent);
  out.counters[11] = static_cast<uint32_t>(sent >> 32);
  out.counters[12] = static_cast<uint32_t>(received);
  out.counters[13] = static_cast<uint32_t>(received >> 32);
  // The profile times calls in microseconds.
  out.counters[14] = calls ? static_cast<uint32_t>(time / calls / 1000) : 0;
  return true;
}

std::optional<JsonValue> SmbStatus::read(bool profile) const {
  std::string command = profile ? "smbstatus -P --json" : "smbstatus -b --json";
  if (!config_.empty()) command += " -s " + shellQuoted(config_);
  command += " 2>/dev/null";
  const std::unique_ptr<FILE, int (*)(FILE*)> pipe(
      ::popen(command.c_str(), "r"), ::pclose);
  if (!pipe) return std::nullopt;
  std::string output;
  char chunk[4096];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, pipe.get())) > 0) {
    // A status this large is no status of one machine's server.
    if (output.size() + got > kMaxOutput) return std::nullopt;
    output.append(chunk, got);
  }
  return parseJson(output);
}

}  // namespace ov::samba
