#pragma once
// The services of a program whose machine is on the simulated LAN: the
// LAN's ports, with time, the desktop and the program's place given from
// outside, and any of the machine's own ports that stands in for the
// LAN's.
#include "app/services.h"
#include "platform/sim/sim_lan.h"

namespace ov {

struct LanMachine {
  Clock& clock;
  TimerFactory& timers;
  Locale& locale;
  ui::WindowSystem& windows;
  TrayPort& tray;
  ProgramFolder programDir;
  ProgramFile programFile;
  // Unset, the LAN's own serves.
  NetApi* net = nullptr;
  Sockets* sockets = nullptr;
  InterfaceTable* interfaces = nullptr;
  IcmpPort* icmp = nullptr;
  Sound* sound = nullptr;
};

inline Services lanServices(sim::SimLan& lan, const LanMachine& machine) {
  return {
      .net = machine.net ? *machine.net : lan.netApi(),
      .sockets = machine.sockets ? *machine.sockets : lan.sockets(),
      .interfaces = machine.interfaces ? *machine.interfaces : lan.interfaces(),
      .icmp = machine.icmp ? *machine.icmp : lan.icmp(),
      .mailslots = lan.mailslots(),
      .serviceControl = lan.services(),
      .files = lan.fileSystem(),
      .registry = lan.registry(),
      .processes = lan.processes(),
      .shell = lan.shell(),
      .sound = machine.sound ? *machine.sound : lan.sound(),
      .clock = machine.clock,
      .timers = machine.timers,
      .locale = machine.locale,
      .windows = machine.windows,
      .tray = machine.tray,
      .hotKeys = lan.hotKeys(),
      .programDir = machine.programDir,
      .programFile = machine.programFile};
}

}  // namespace ov
