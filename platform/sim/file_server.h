#pragma once
// One computer's server in the simulated LAN: its sessions, their open files,
// its shares and what it reports about itself.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ov::sim {

// What a connect line sets; a reconnect brings back the same fields.
struct SessionFields {
  std::string client;
  std::string user;
  std::string cltype;
  std::string transport;
  bool busy = false;        // never idle
  bool userAbsent = false;  // the listing has no user-name field at all
  std::optional<uint64_t> reconnectAfterMs;
};

struct Session : SessionFields {
  uint64_t serial = 0;  // tells sessions apart for their files
  uint64_t startMs = 0;
  uint64_t lastActivityMs = 0;

  uint32_t secondsAt(uint64_t nowMs) const;
  uint32_t idleSecondsAt(uint64_t nowMs) const;
};

struct OpenFile {
  uint32_t id = 0;
  uint64_t session = 0;  // Session::serial
  std::string path;
  uint32_t permissions = 1;
  uint32_t locks = 0;

  bool isPipe() const { return !path.empty() && path[0] == '\\'; }
};

inline constexpr uint32_t kShareTypeIpc = 3;

struct Share {
  std::string name;
  std::string path;
  std::string remark;
  uint32_t type = 0;
  uint32_t maxUses = 0xFFFFFFFFu;
  uint32_t permissions = 0;
  std::optional<uint32_t> accessMask;
};

struct ServerInfo {
  uint32_t platformId = 500;
  uint32_t versionMajor = 5;
  uint32_t versionMinor = 1;
  uint32_t type = 0x00001003;  // workstation, server, NT
  std::string comment;
};

// A share a session uses and how many of its open files lie under it.
struct ShareUse {
  std::string netName;
  uint32_t type = 0;
  uint32_t opens = 0;
};

class FileServer {
 public:
  explicit FileServer(std::string name) : name_(std::move(name)) {}

  // Empty for the local machine.
  const std::string& name() const { return name_; }
  ServerInfo info;

  // A session of the same client and user is replaced (its files close).
  void startSession(const SessionFields& fields, uint64_t atMs);
  // Ends the matching sessions with their files; returns them.
  std::vector<Session> endSessions(
      const std::function<bool(const Session&)>& matches);
  // Activity in the sessions of that client and user (exact names).
  bool touch(std::string_view client, std::string_view user, uint64_t atMs);
  // Opens a file in the first session of that client and user; a file of the
  // same id is replaced. False when there is no such session.
  bool openFile(const OpenFile& file, std::string_view client,
                std::string_view user, uint64_t atMs);
  bool closeFile(uint32_t id);

  const std::vector<Session>& sessions() const { return sessions_; }
  const std::vector<OpenFile>& files() const { return files_; }
  // By session serial, each built in one walk for a whole enumeration.
  std::unordered_map<uint64_t, const Session*> sessionsBySerial() const;
  std::unordered_map<uint64_t, uint32_t> openCounts() const;

  std::vector<Share>& shares() { return shares_; }
  const std::vector<Share>& shares() const { return shares_; }
  Share* findShare(std::string_view name);
  bool removeShare(std::string_view name);

  // The shares a session is connected to: the disk share holding each of its
  // open files (the one with the longest matching path), in share order,
  // then IPC$ when it has a pipe open.
  std::vector<ShareUse> sharesUsedBy(const Session& session) const;
  uint32_t currentUses(const Share& share) const;

 private:
  const Share* diskShareHolding(std::string_view path) const;

  std::string name_;
  std::vector<Session> sessions_;
  std::vector<OpenFile> files_;
  std::vector<Share> shares_;
  uint64_t nextSerial_ = 1;
};

}  // namespace ov::sim
