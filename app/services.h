#pragma once
// The platform services the main form works with, whichever backend
// provides them.
#include "platform/clock.h"
#include "platform/filesystem.h"
#include "platform/hotkeys.h"
#include "platform/icmp.h"
#include "platform/iftable.h"
#include "platform/locale.h"
#include "platform/mailslot.h"
#include "platform/netapi.h"
#include "platform/process.h"
#include "platform/program_location.h"
#include "platform/registry.h"
#include "platform/service_control.h"
#include "platform/shell.h"
#include "platform/sockets.h"
#include "platform/sound.h"
#include "platform/tray.h"
#include "platform/ui.h"

namespace ov {

// Built by the names of its fields, in this order.
struct Services {
  // The file server watched and the network around the machine.
  NetApi& net;
  Sockets& sockets;
  InterfaceTable& interfaces;
  IcmpPort& icmp;
  MailslotPort& mailslots;
  ServiceControl& serviceControl;
  // The machine itself.
  FileSystem& files;
  RegistryPort& registry;
  ProcessPort& processes;
  ShellPort& shell;
  Sound& sound;
  // Time and the desktop.
  Clock& clock;
  TimerFactory& timers;
  Locale& locale;
  ui::WindowSystem& windows;
  TrayPort& tray;
  HotKeyPort& hotKeys;
  // Where the program lives.
  ProgramFolder programDir;
  ProgramFile programFile;
};

}  // namespace ov
