// How each world verb of a scenario changes the world.
#include <algorithm>
#include <utility>

#include "platform/sim/sim_text.h"
#include "platform/sim/world.h"

namespace ov::sim {

namespace {

// The reader has checked every number, so parsing cannot fail here.
uint32_t number(const std::string& text) {
  return static_cast<uint32_t>(*parseInteger(text));
}

uint32_t optionNumber(const ScenarioEvent& e, std::string_view name,
                      uint32_t fallback) {
  const auto value = e.option(name);
  return value ? number(*value) : fallback;
}

void setIfGiven(const ScenarioEvent& e, std::string_view name,
                uint32_t& field) {
  field = optionNumber(e, name, field);
}

FileServer& serverOf(World& w, const ScenarioEvent& e) {
  return w.serverNamed(e.option("on").value_or(""));
}

void connect(World& w, const ScenarioEvent& e) {
  SessionFields fields;
  fields.client = e.args[0];
  fields.user = e.args[1];
  fields.busy = std::count(e.args.begin() + 2, e.args.end(), "busy") > 0;
  fields.userAbsent =
      std::count(e.args.begin() + 2, e.args.end(), "nouser") > 0;
  fields.cltype = e.option("cltype").value_or("");
  fields.transport = e.option("transport").value_or("");
  if (const auto after = e.option("reconnect"))
    fields.reconnectAfterMs = parseSecondsAsMs(*after);
  w.cancelReconnects(fields.client, fields.user);
  serverOf(w, e).startSession(fields, e.timeMs);
}

void disconnect(World& w, const ScenarioEvent& e) {
  w.cancelReconnects(e.args[0], e.args[1]);
  for (FileServer& server : w.computers())
    server.endSessions([&](const Session& s) {
      return s.client == e.args[0] && s.user == e.args[1];
    });
}

void touch(World& w, const ScenarioEvent& e) {
  for (FileServer& server : w.computers())
    server.touch(e.args[0], e.args[1], e.timeMs);
}

void open(World& w, const ScenarioEvent& e) {
  OpenFile file;
  file.id = number(e.args[0]);
  file.path = e.args[3];
  file.permissions = optionNumber(e, "perm", 1);
  file.locks = optionNumber(e, "locks", 0);
  // A client without a session (kicked, not yet back) opens nothing.
  for (FileServer& server : w.computers())
    if (server.openFile(file, e.args[1], e.args[2], e.timeMs)) return;
}

void close(World& w, const ScenarioEvent& e) {
  for (FileServer& server : w.computers()) server.closeFile(number(e.args[0]));
}

void share(World& w, const ScenarioEvent& e) {
  FileServer& server = serverOf(w, e);
  Share* share = server.findShare(e.args[0]);
  if (!share) share = &server.shares().emplace_back();
  share->name = e.args[0];
  share->path = e.args[1];
  share->type = optionNumber(e, "type", 0);
  share->maxUses = optionNumber(e, "max", 0xFFFFFFFFu);
  share->remark = e.option("remark").value_or("");
}

void unshare(World& w, const ScenarioEvent& e) {
  serverOf(w, e).removeShare(e.args[0]);
}

void server(World& w, const ScenarioEvent& e) {
  ServerInfo& info = w.serverNamed(e.args[0]).info;
  setIfGiven(e, "platform", info.platformId);
  setIfGiven(e, "major", info.versionMajor);
  setIfGiven(e, "minor", info.versionMinor);
  setIfGiven(e, "type", info.type);
  if (const auto comment = e.option("comment")) info.comment = *comment;
}

void host(World& w, const ScenarioEvent& e) {
  w.hosts().push_back({e.args[0], *parseDottedAddress(e.args[1]),
                       e.args.size() < 3, foldCase(e.args[0])});
}

void iface(World& w, const ScenarioEvent& e) {
  Interface row;
  row.descr = e.args[0];
  row.physLength = optionNumber(e, "phys", 6);
  row.inOctets = optionNumber(e, "in", 0);
  row.outOctets = optionNumber(e, "out", 0);
  row.rateIn = optionNumber(e, "rate_in", 0);
  row.rateOut = optionNumber(e, "rate_out", 0);
  row.countersSetMs = e.timeMs;
  w.interfaces().push_back(row);
}

void counters(World& w, const ScenarioEvent& e) {
  auto& rows = w.interfaces();
  const auto row = std::find_if(rows.begin(), rows.end(), [&](const auto& r) {
    return r.descr == e.args[0];
  });
  if (row == rows.end()) return;
  row->inOctets = optionNumber(e, "in", 0);
  row->outOctets = optionNumber(e, "out", 0);
  row->countersSetMs = e.timeMs;
}

void ping(World& w, const ScenarioEvent& e) {
  PingAnswer answer;
  if (e.args.size() > 1) {
    answer.kind = e.args[1] == "machine" ? PingAnswer::Kind::Machine
                                         : PingAnswer::Kind::Timeout;
  } else if (const auto status = e.option("status")) {
    answer.kind = PingAnswer::Kind::Status;
    answer.status = number(*status);
  } else {
    answer.kind = PingAnswer::Kind::Reply;
    setIfGiven(e, "rtt", answer.rttMs);
    setIfGiven(e, "ttl", answer.ttl);
  }
  w.pingAnswers()[*parseDottedAddress(e.args[0])] = answer;
}

void service(World& w, const ScenarioEvent& e) {
  if (e.args[0] == "deny")
    w.service().managerDenied = true;
  else if (e.args[0] == "pending")
    w.service().answersPending = true;
  else
    w.service().state = number(e.args[0]);
}

void winsock(World& w, const ScenarioEvent& e) {
  const std::string& version = e.args[0];
  const std::size_t dot = version.find('.');
  // Major in the low byte, as MAKEWORD puts it.
  w.winsockGranted() = static_cast<uint16_t>(
      number(version.substr(0, dot)) | number(version.substr(dot + 1)) << 8);
}

void stats(World& w, const ScenarioEvent& e) {
  auto& fields = e.args[0] == "server" ? w.serverStats() : w.workstationStats();
  for (const auto& [name, value] : e.options)
    fields[name] = *parseInteger(value);
}

void fail(World& w, const ScenarioEvent& e) {
  const std::string count = e.option("count").value_or("1");
  w.failures().arm(
      e.args[0], number(e.args[1]),
      count == "always" ? std::nullopt : std::optional<uint32_t>(number(count)),
      number(e.option("skip").value_or("0")));
}

using Apply = void (*)(World&, const ScenarioEvent&);

const std::vector<std::pair<std::string_view, Apply>>& verbs() {
  static const std::vector<std::pair<std::string_view, Apply>> table = {
      {"localhost",
       [](World& w, const ScenarioEvent& e) { w.setLocalHostName(e.args[0]); }},
      {"host", host},
      {"connect", connect},
      {"disconnect", disconnect},
      {"touch", touch},
      {"open", open},
      {"close", close},
      {"dir",
       [](World& w, const ScenarioEvent& e) {
         w.directories().push_back(foldCase(e.args[0]));
       }},
      {"share", share},
      {"unshare", unshare},
      {"server", server},
      {"iface", iface},
      {"counters", counters},
      {"ping", ping},
      {"service", service},
      {"winsock", winsock},
      {"stats", stats},
      {"batch",
       [](World& w, const ScenarioEvent& e) {
         w.batchSize() = number(e.args[0]);
       }},
      {"fail", fail},
      {"mailslot",
       [](World& w, const ScenarioEvent& e) {
         w.mailslots()[foldCase(e.args[0])] = e.args[1] == "accept";
       }},
      {"sound",
       [](World& w, const ScenarioEvent& e) {
         w.soundDevice() = e.args[0] == "on";
       }},
      {"autorun",
       [](World& w, const ScenarioEvent&) { w.autorunPresent() = true; }},
      {"platform",
       [](World& w, const ScenarioEvent& e) {
         if (const auto balloons = e.option("balloons"))
           w.platform().balloons = *balloons == "1";
       }},
      {"hotkey",
       [](World& w, const ScenarioEvent& e) {
         w.takenHotKeys().push_back({number(e.args[1]), number(e.args[2])});
       }},
  };
  return table;
}

}  // namespace

void World::apply(const ScenarioEvent& event) {
  for (const auto& [verb, applyVerb] : verbs())
    if (verb == event.verb) return applyVerb(*this, event);
}

}  // namespace ov::sim
