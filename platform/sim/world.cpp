#include "platform/sim/world.h"

#include <algorithm>

#include "platform/sim/sim_text.h"

namespace ov::sim {

namespace {

uint32_t grown(uint32_t start, uint32_t ratePerSecond, uint64_t fromMs,
               uint64_t toMs) {
  const uint64_t elapsedMs = toMs > fromMs ? toMs - fromMs : 0;
  return static_cast<uint32_t>(start + ratePerSecond * elapsedMs / 1000);
}

}  // namespace

uint32_t Interface::inOctetsAt(uint64_t nowMs) const {
  return grown(inOctets, rateIn, countersSetMs, nowMs);
}

uint32_t Interface::outOctetsAt(uint64_t nowMs) const {
  return grown(outOctets, rateOut, countersSetMs, nowMs);
}

FileServer* World::findServer(std::string_view name) {
  name = withoutUncPrefix(name);
  if (name.empty() || sameName(name, localHostName_)) return &localServer();
  for (FileServer& computer : computers_)
    if (!computer.name().empty() && sameName(computer.name(), name))
      return &computer;
  return nullptr;
}

FileServer& World::serverNamed(std::string_view name) {
  if (FileServer* known = findServer(name)) return *known;
  return computers_.emplace_back(std::string(name));
}

size_t World::disconnectSessions(
    FileServer& server, const std::function<bool(const Session&)>& matches) {
  const std::vector<Session> ended = server.endSessions(matches);
  for (const Session& session : ended)
    if (session.reconnectAfterMs)
      reconnects_.push_back(
          {&server, session, nowMs() + *session.reconnectAfterMs});
  return ended.size();
}

void World::cancelReconnects(std::string_view client, std::string_view user) {
  std::erase_if(reconnects_, [&](const PendingReconnect& r) {
    return r.fields.client == client && r.fields.user == user;
  });
}

std::optional<uint64_t> World::nextReconnectMs() const {
  if (reconnects_.empty()) return std::nullopt;
  return std::min_element(
             reconnects_.begin(), reconnects_.end(),
             [](const auto& a, const auto& b) { return a.dueMs < b.dueMs; })
      ->dueMs;
}

void World::applyNextReconnect() {
  if (reconnects_.empty()) return;
  const auto next = std::min_element(
      reconnects_.begin(), reconnects_.end(),
      [](const auto& a, const auto& b) { return a.dueMs < b.dueMs; });
  const PendingReconnect due = *next;
  reconnects_.erase(next);
  due.server->startSession(due.fields, due.dueMs);
}

bool World::isDirectory(std::string_view path) const {
  if (directories_.empty()) return false;
  const std::string folded = foldCase(path);
  return std::find(directories_.begin(), directories_.end(), folded) !=
         directories_.end();
}

bool World::pingsMachine() const {
  return std::any_of(pingAnswers_.begin(), pingAnswers_.end(),
                     [](const auto& entry) {
                       return entry.second.kind == PingAnswer::Kind::Machine;
                     });
}

PingAnswer World::pingAnswer(InAddr address) const {
  const auto found = pingAnswers_.find(address);
  return found == pingAnswers_.end() ? PingAnswer{} : found->second;
}

bool World::mailslotAccepts(std::string_view computer) const {
  const auto found = mailslots_.find(foldCase(withoutUncPrefix(computer)));
  return found != mailslots_.end() && found->second;
}

bool World::hotKeyTaken(uint32_t modifiers, uint32_t vk) const {
  return std::any_of(
      takenHotKeys_.begin(), takenHotKeys_.end(),
      [&](const HotKey& k) { return k.modifiers == modifiers && k.vk == vk; });
}

}  // namespace ov::sim
