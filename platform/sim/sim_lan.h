#pragma once
// The whole simulated LAN: the world a scenario builds, the platform ports
// over it and the player that moves it on in time.
#include "platform/journal.h"
#include "platform/sim/scenario_player.h"
#include "platform/sim/sim_filesystem.h"
#include "platform/sim/sim_hotkeys.h"
#include "platform/sim/sim_icmp.h"
#include "platform/sim/sim_interfaces.h"
#include "platform/sim/sim_mailslots.h"
#include "platform/sim/sim_netapi.h"
#include "platform/sim/sim_process.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_services.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_sockets.h"
#include "platform/sim/sim_sound.h"
#include "platform/sim/world.h"

namespace ov::sim {

class SimLan {
 public:
  SimLan(Clock& clock, Journal& journal, Scenario scenario)
      : world_(clock),
        netApi_(world_, journal),
        sockets_(world_),
        fileSystem_(world_),
        sound_(world_, journal),
        hotKeys_(world_, journal),
        registry_(world_, journal),
        shell_(journal),
        interfaces_(world_),
        processes_(world_, journal),
        services_(world_, journal),
        mailslots_(world_, journal),
        icmp_(world_, journal),
        player_(world_, std::move(scenario)) {}

  World& world() { return world_; }
  NetApi& netApi() { return netApi_; }
  Sockets& sockets() { return sockets_; }
  FileSystem& fileSystem() { return fileSystem_; }
  Sound& sound() { return sound_; }
  SimHotKeys& hotKeys() { return hotKeys_; }
  SimRegistry& registry() { return registry_; }
  SimShell& shell() { return shell_; }
  InterfaceTable& interfaces() { return interfaces_; }
  SimProcess& processes() { return processes_; }
  SimServices& services() { return services_; }
  MailslotPort& mailslots() { return mailslots_; }
  SimIcmp& icmp() { return icmp_; }
  ScenarioPlayer& player() { return player_; }

 private:
  World world_;
  SimNetApi netApi_;
  SimSockets sockets_;
  SimFileSystem fileSystem_;
  SimSound sound_;
  SimHotKeys hotKeys_;
  SimRegistry registry_;
  SimShell shell_;
  SimInterfaces interfaces_;
  SimProcess processes_;
  SimServices services_;
  SimMailslots mailslots_;
  SimIcmp icmp_;
  ScenarioPlayer player_;
};

}  // namespace ov::sim
