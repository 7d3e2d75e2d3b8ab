#pragma once
// The simulated LAN as a scenario builds it: computers with their servers,
// names, local directories, interfaces, echo answers, the server service,
// statistics and the switches the platform ports consult.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/sim/failures.h"
#include "platform/sim/file_server.h"
#include "platform/sim/scenario.h"
#include "platform/sockets.h"

namespace ov::sim {

struct HostEntry {
  std::string name;
  InAddr address = 0;
  bool reverse = true;  // the address resolves back to the name
  // The name with its letter case folded, once, when the world learns it:
  // every monitor cycle looks each client's name up.
  std::string foldedName = {};
};

struct Interface {
  std::string descr;
  uint32_t physLength = 6;
  uint32_t inOctets = 0;  // as set at countersSetMs
  uint32_t outOctets = 0;
  uint32_t rateIn = 0;  // bytes per second
  uint32_t rateOut = 0;
  uint64_t countersSetMs = 0;

  // The counters grow with their rates and wrap at 2^32.
  uint32_t inOctetsAt(uint64_t nowMs) const;
  uint32_t outOctetsAt(uint64_t nowMs) const;
};

struct PingAnswer {
  // Machine: the echo goes to the real machine's echo service.
  enum class Kind { Reply, Timeout, Status, Machine };
  Kind kind = Kind::Timeout;
  uint32_t rttMs = 1;
  uint32_t ttl = 128;
  uint32_t status = 0;
};

struct ServiceState {
  uint32_t state = 4;  // running
  bool managerDenied = false;
  // A pause or continue answers with its pending state (6 or 5); the
  // service reaches the paused or running state right after.
  bool answersPending = false;
};

// What the system offers besides the LAN.
struct PlatformState {
  bool balloons = true;  // the notification area shows balloon notices
};

struct HotKey {
  uint32_t modifiers = 0;
  uint32_t vk = 0;
};

class World {
 public:
  explicit World(Clock& clock) : clock_(clock) {}

  uint64_t nowMs() const { return clock_.tickMs(); }
  // Seconds since 1970 when the run started: the services' start.
  int64_t startUnixTime() const {
    return clock_.unixTime() - static_cast<int64_t>(clock_.tickMs() / 1000);
  }

  // Applies one world verb as of the event's time; the user verbs (ui, dump,
  // exit, quit) are not the world's and change nothing.
  void apply(const ScenarioEvent& event);

  // Computers. A call reaches a computer by "\\NAME" or "NAME" in any case;
  // empty is the local machine. nullptr: the scenario does not know it.
  FileServer& localServer() { return computers_.front(); }
  FileServer* findServer(std::string_view name);
  // The computer a scenario line names, made known when new.
  FileServer& serverNamed(std::string_view name);
  std::deque<FileServer>& computers() { return computers_; }
  const std::string& localHostName() const { return localHostName_; }
  void setLocalHostName(std::string name) { localHostName_ = std::move(name); }

  // Ends matching sessions as a disconnect call does: a session with
  // reconnect= comes back that much later. Returns how many ended.
  size_t disconnectSessions(FileServer& server,
                            const std::function<bool(const Session&)>& matches);
  // A client ending its session by itself does not come back.
  void cancelReconnects(std::string_view client, std::string_view user);
  std::optional<uint64_t> nextReconnectMs() const;
  void applyNextReconnect();

  std::vector<HostEntry>& hosts() { return hosts_; }
  std::vector<std::string>& directories() { return directories_; }
  bool isDirectory(std::string_view path) const;
  std::vector<Interface>& interfaces() { return interfaces_; }
  std::map<InAddr, PingAnswer>& pingAnswers() { return pingAnswers_; }
  PingAnswer pingAnswer(InAddr address) const;
  // Whether an address is echoed by the real machine.
  bool pingsMachine() const;
  ServiceState& service() { return service_; }
  PlatformState& platform() { return platform_; }
  std::map<std::string, int64_t>& serverStats() { return serverStats_; }
  std::map<std::string, int64_t>& workstationStats() {
    return workstationStats_;
  }
  std::optional<uint32_t>& batchSize() { return batchSize_; }
  FailureTable& failures() { return failures_; }
  // What WSAStartup grants; by default the version asked for.
  std::optional<uint16_t>& winsockGranted() { return winsockGranted_; }
  std::map<std::string, bool>& mailslots() {
    return mailslots_;
  }  // by folded name
  bool mailslotAccepts(std::string_view computer) const;
  bool& soundDevice() { return soundDevice_; }
  bool& autorunPresent() { return autorunPresent_; }
  std::vector<HotKey>& takenHotKeys() { return takenHotKeys_; }
  bool hotKeyTaken(uint32_t modifiers, uint32_t vk) const;

 private:
  struct PendingReconnect {
    FileServer* server = nullptr;
    SessionFields fields;
    uint64_t dueMs = 0;
  };

  Clock& clock_;
  std::string localHostName_ = "ORVANE-PC";
  std::deque<FileServer> computers_{FileServer("")};
  std::vector<PendingReconnect> reconnects_;  // in the order they were made
  std::vector<HostEntry> hosts_;
  std::vector<std::string> directories_;
  std::vector<Interface> interfaces_;
  std::map<InAddr, PingAnswer> pingAnswers_;
  ServiceState service_;
  PlatformState platform_;
  std::optional<uint16_t> winsockGranted_;
  std::map<std::string, int64_t> serverStats_;
  std::map<std::string, int64_t> workstationStats_;
  std::optional<uint32_t> batchSize_;
  FailureTable failures_;
  std::map<std::string, bool> mailslots_;
  bool soundDevice_ = true;
  bool autorunPresent_ = false;
  std::vector<HotKey> takenHotKeys_;
};

}  // namespace ov::sim
