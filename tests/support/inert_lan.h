#pragma once
// A machine with no network, no shares, no sound: the main form can be
// built over it when only its settings matter.
#include <optional>
#include <string>

#include "app/services.h"
#include "platform/filesystem.h"
#include "platform/headless/recording_tray.h"
#include "platform/headless/virtual_clock.h"
#include "platform/hotkeys.h"
#include "platform/iftable.h"
#include "platform/netapi.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/sockets.h"
#include "platform/sound.h"
#include "platform/text/text_file.h"

namespace ov {

class InertNetApi : public NetApi {
 public:
  SessionBatch NetSessionEnum(std::string_view, uint32_t, uint32_t,
                              uint32_t&) override {
    return {};
  }
  NetStatus NetSessionDel(std::string_view, std::string_view,
                          std::optional<std::string_view>) override {
    return ERROR_BAD_NETPATH;
  }
  NetBatch<CONNECTION_INFO_1> NetConnectionEnum(std::string_view,
                                                std::string_view, uint32_t,
                                                uint32_t, uint32_t&) override {
    return {};
  }
  NetBatch<FILE_INFO_3> NetFileEnum(std::string_view, uint32_t, uint32_t,
                                    uint32_t&) override {
    return {};
  }
  NetStatus NetFileClose(std::string_view, uint32_t) override {
    return ERROR_BAD_NETPATH;
  }
  ShareBatch NetShareEnum(std::string_view, uint32_t, uint32_t,
                          uint32_t&) override {
    return {};
  }
  NetStatus NetShareGetInfo(std::string_view, std::string_view,
                            SHARE_INFO_2&) override {
    return NERR_NetNameNotFound;
  }
  NetStatus NetShareAdd(std::string_view, const SHARE_INFO_502&) override {
    return ERROR_ACCESS_DENIED;
  }
  NetStatus NetShareSetInfo(std::string_view, std::string_view,
                            const SHARE_INFO_502&) override {
    return ERROR_ACCESS_DENIED;
  }
  NetStatus NetShareDel(std::string_view, std::string_view) override {
    return NERR_NetNameNotFound;
  }
  NetStatus NetServerGetInfo(std::string_view, SERVER_INFO_101&) override {
    return ERROR_BAD_NETPATH;
  }
  NetStatus NetStatisticsGet(std::string_view, std::string_view, uint32_t,
                             uint32_t, Statistics&) override {
    return ERROR_BAD_NETPATH;
  }
};

class InertHotKeys : public HotKeyPort {
 public:
  bool RegisterHotKey(int, unsigned, unsigned) override { return true; }
  bool UnregisterHotKey(int) override { return true; }
};

// No key opens.
class InertRegistry : public RegistryPort {
 public:
  std::optional<RegKey> RegOpenKeyEx(std::string_view, RegAccess) override {
    return std::nullopt;
  }
  bool RegQueryValueEx(RegKey, std::string_view) override { return false; }
  bool RegSetValueEx(RegKey, std::string_view, std::string_view) override {
    return false;
  }
  bool RegDeleteValue(RegKey, std::string_view) override { return false; }
  void RegCloseKey(RegKey) override {}
};

class InertShell : public ShellPort {
 public:
  void ShellExecute(std::optional<std::string_view>,
                    std::string_view) override {}
  void WNetConnectionDialog(uint32_t) override {}
};

class InertSockets : public Sockets {
 public:
  int WSAStartup(uint16_t version, uint16_t& granted) override {
    granted = version;
    return 0;
  }
  int WSACleanup() override { return 0; }
  std::optional<InAddr> inet_addr(std::string_view) override { return {}; }
  std::optional<HostEnt> gethostbyname(std::string_view) override { return {}; }
  std::optional<HostEnt> gethostbyaddr(InAddr) override { return {}; }
  std::optional<std::string> gethostname() override { return "server"; }
};

class InertFileSystem : public FileSystem {
 public:
  bool isDirectory(std::string_view) override { return false; }
  // The files are this machine's own.
  std::optional<std::string> readTextFile(std::string_view path) override {
    return ov::readTextFile(path);
  }
  bool writeTextFile(std::string_view path, std::string_view text) override {
    return ov::writeTextFile(path, text);
  }
};

// A machine without network interfaces.
class InertInterfaces : public InterfaceTable {
 public:
  std::optional<std::vector<IfRow>> GetIfTable() override {
    return std::vector<IfRow>{};
  }
  bool SetIfEntry(const IfRow&) override { return false; }
};

// Every program starts, and ends at once.
class InertProcesses : public ProcessPort {
 public:
  std::optional<int> CreateProcess(std::string_view,
                                   const ProcessStart&) override {
    return 0;
  }
  std::optional<std::string> ShortPath(std::string_view) override {
    return std::nullopt;
  }
};

// A server service that runs and takes no controls: visiting the settings
// page shows no error box.
class InertServices : public ServiceControl {
 public:
  Handle OpenSCManager(uint32_t) override { return 1; }
  Handle OpenService(Handle, std::string_view, uint32_t) override { return 2; }
  bool QueryServiceStatus(Handle, SERVICE_STATUS& status) override {
    status.dwCurrentState = 4;
    return true;
  }
  bool ControlService(Handle, uint32_t, SERVICE_STATUS&) override {
    return false;
  }
  bool CloseServiceHandle(Handle) override { return true; }
  uint32_t GetLastError() override { return 5; }
};

class InertMailslots : public MailslotPort {
 public:
  bool WriteMailslot(std::string_view, std::string_view) override {
    return false;
  }
};

class InertIcmp : public IcmpPort {
 public:
  Library LoadIcmpLibrary() override { return Library::missing; }
  void FreeIcmpLibrary() override {}
  Handle IcmpCreateFile() override { return 0; }
  uint32_t IcmpSendEcho(Handle, InAddr, std::string_view,
                        const IP_OPTION_INFORMATION&, ICMP_ECHO_REPLY&,
                        uint32_t) override {
    return 0;
  }
  void IcmpCloseHandle(Handle) override {}
};

class InertSound : public Sound {
 public:
  unsigned waveOutGetNumDevs() override { return 0; }
  bool PlaySound(std::string_view) override { return false; }
};

// A machine whose services do nothing, for a main form on the window
// system and locale the test brings.
struct InertMachine {
  Services services(Locale& locale, ui::WindowSystem& windows,
                    const std::string& programDir) {
    return {.net = net,
            .sockets = sockets,
            .interfaces = interfaces,
            .icmp = icmp,
            .mailslots = mailslots,
            .serviceControl = *serviceManager,
            .files = files,
            .registry = registry,
            .processes = processes,
            .shell = shell,
            .sound = sound,
            .clock = clock,
            .timers = clock,
            .locale = locale,
            .windows = windows,
            .tray = tray,
            .hotKeys = hotKeys,
            .programDir = {programDir},
            .programFile = {programDir + "Orvane.exe"}};
  }

  InertNetApi net;
  InertSockets sockets;
  InertFileSystem files;
  InertSound sound;
  headless::VirtualClock clock{LocalDateTime{2026, 3, 5, 9, 0, 0}};
  headless::RecordingTray tray{nullptr};
  InertHotKeys hotKeys;
  InertRegistry registry;
  InertShell shell;
  InertInterfaces interfaces;
  InertProcesses processes;
  InertServices serviceControl;
  // Another manager may stand in for it before services() is called.
  ServiceControl* serviceManager = &serviceControl;
  InertMailslots mailslots;
  InertIcmp icmp;
};

}  // namespace ov
