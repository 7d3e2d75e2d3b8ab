#include "platform/sim/file_server.h"

#include <algorithm>

#include "platform/sim/sim_text.h"

namespace ov::sim {

namespace {

uint32_t secondsBetween(uint64_t fromMs, uint64_t toMs) {
  return toMs > fromMs ? static_cast<uint32_t>((toMs - fromMs) / 1000) : 0;
}

bool sameIdentity(const Session& s, std::string_view client,
                  std::string_view user) {
  return s.client == client && s.user == user;
}

// "C:\Docs" holds "C:\Docs" and "C:\Docs\a.doc" but not "C:\Docs2\a.doc".
bool pathHolds(std::string_view sharePath, std::string_view path) {
  if (sharePath.empty()) return false;
  const std::string base = foldCase(sharePath);
  const std::string full = foldCase(path);
  if (full.compare(0, base.size(), base) != 0) return false;
  return full.size() == base.size() || base.back() == '\\' ||
         full[base.size()] == '\\';
}

}  // namespace

uint32_t Session::secondsAt(uint64_t nowMs) const {
  return secondsBetween(startMs, nowMs);
}

uint32_t Session::idleSecondsAt(uint64_t nowMs) const {
  return busy ? 0 : secondsBetween(lastActivityMs, nowMs);
}

void FileServer::startSession(const SessionFields& fields, uint64_t atMs) {
  endSessions([&](const Session& s) {
    return sameIdentity(s, fields.client, fields.user);
  });
  Session session;
  static_cast<SessionFields&>(session) = fields;
  session.serial = nextSerial_++;
  session.startMs = atMs;
  session.lastActivityMs = atMs;
  sessions_.push_back(std::move(session));
}

std::vector<Session> FileServer::endSessions(
    const std::function<bool(const Session&)>& matches) {
  std::vector<Session> ended;
  std::erase_if(sessions_, [&](const Session& s) {
    if (!matches(s)) return false;
    ended.push_back(s);
    return true;
  });
  std::erase_if(files_, [&](const OpenFile& f) {
    return std::any_of(ended.begin(), ended.end(),
                       [&](const Session& s) { return s.serial == f.session; });
  });
  return ended;
}

bool FileServer::touch(std::string_view client, std::string_view user,
                       uint64_t atMs) {
  bool found = false;
  for (Session& s : sessions_) {
    if (!sameIdentity(s, client, user)) continue;
    s.lastActivityMs = atMs;
    found = true;
  }
  return found;
}

bool FileServer::openFile(const OpenFile& file, std::string_view client,
                          std::string_view user, uint64_t atMs) {
  const auto session = std::find_if(
      sessions_.begin(), sessions_.end(),
      [&](const Session& s) { return sameIdentity(s, client, user); });
  if (session == sessions_.end()) return false;
  session->lastActivityMs = atMs;
  closeFile(file.id);
  files_.push_back(file);
  files_.back().session = session->serial;
  return true;
}

bool FileServer::closeFile(uint32_t id) {
  return std::erase_if(files_, [id](const OpenFile& f) { return f.id == id; }) >
         0;
}

std::unordered_map<uint64_t, const Session*> FileServer::sessionsBySerial()
    const {
  std::unordered_map<uint64_t, const Session*> bySerial;
  for (const Session& s : sessions_) bySerial.emplace(s.serial, &s);
  return bySerial;
}

std::unordered_map<uint64_t, uint32_t> FileServer::openCounts() const {
  std::unordered_map<uint64_t, uint32_t> counts;
  for (const OpenFile& f : files_) ++counts[f.session];
  return counts;
}

Share* FileServer::findShare(std::string_view name) {
  for (Share& share : shares_)
    if (sameName(share.name, name)) return &share;
  return nullptr;
}

bool FileServer::removeShare(std::string_view name) {
  return std::erase_if(shares_, [&](const Share& s) {
           return sameName(s.name, name);
         }) > 0;
}

const Share* FileServer::diskShareHolding(std::string_view path) const {
  const Share* best = nullptr;
  for (const Share& share : shares_) {
    if ((share.type & 0xFF) != 0 || !pathHolds(share.path, path)) continue;
    if (!best || share.path.size() > best->path.size()) best = &share;
  }
  return best;
}

std::vector<ShareUse> FileServer::sharesUsedBy(const Session& session) const {
  std::vector<uint32_t> opensPerShare(shares_.size(), 0);
  uint32_t pipes = 0;
  for (const OpenFile& file : files_) {
    if (file.session != session.serial) continue;
    if (file.isPipe()) {
      ++pipes;
    } else if (const Share* share = diskShareHolding(file.path)) {
      ++opensPerShare[share - shares_.data()];
    }
  }
  std::vector<ShareUse> uses;
  for (size_t i = 0; i < shares_.size(); ++i)
    if (opensPerShare[i] > 0)
      uses.push_back({shares_[i].name, shares_[i].type, opensPerShare[i]});
  if (pipes > 0) uses.push_back({"IPC$", kShareTypeIpc, pipes});
  return uses;
}

uint32_t FileServer::currentUses(const Share& share) const {
  uint32_t count = 0;
  for (const Session& session : sessions_) {
    const auto uses = sharesUsedBy(session);
    if (std::any_of(uses.begin(), uses.end(), [&](const ShareUse& u) {
          return sameName(u.netName, share.name);
        }))
      ++count;
  }
  return count;
}

}  // namespace ov::sim
