#pragma once
// The platform services the main form works with, whichever backend
// provides them.
#include <string>

#include "platform/clock.h"
#include "platform/filesystem.h"
#include "platform/hotkeys.h"
#include "platform/icmp.h"
#include "platform/iftable.h"
#include "platform/locale.h"
#include "platform/mailslot.h"
#include "platform/netapi.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/service_control.h"
#include "platform/shell.h"
#include "platform/sockets.h"
#include "platform/sound.h"
#include "platform/tray.h"
#include "platform/ui.h"

namespace ov {

struct Services {
  NetApi& net;
  Sockets& sockets;
  FileSystem& files;
  Sound& sound;
  Clock& clock;
  TimerFactory& timers;
  Locale& locale;
  TrayPort& tray;
  HotKeyPort& hotKeys;
  RegistryPort& registry;
  ShellPort& shell;
  ui::WindowSystem& windows;
  // The folder of the program file, ending in a path separator.
  std::string programDir;
  // The full path of the running program file.
  std::string programFile;
  InterfaceTable& interfaces;
  ProcessPort& processes;
  ServiceControl& serviceControl;
  MailslotPort& mailslots;
  IcmpPort& icmp;
};

}  // namespace ov
