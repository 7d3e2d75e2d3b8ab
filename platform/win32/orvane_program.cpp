#include "platform/win32/orvane_program.h"

#include "app/form1.h"
#include "app/lan_services.h"
#include "platform/headless/ui_driver.h"
#include "platform/journal.h"
#include "platform/sim/sim_lan.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/message_timers.h"
#include "platform/win32/shell_tray.h"
#include "platform/win32/sim_pump.h"
#include "platform/win32/system_clock.h"
#include "platform/win32/user_locale.h"
#include "platform/win32/wave_sound.h"
#include "platform/win32/win_file_system.h"
#include "platform/win32/win_hot_keys.h"
#include "platform/win32/win_icmp.h"
#include "platform/win32/win_interfaces.h"
#include "platform/win32/win_mailslots.h"
#include "platform/win32/win_netapi.h"
#include "platform/win32/win_process.h"
#include "platform/win32/win_registry.h"
#include "platform/win32/win_services.h"
#include "platform/win32/win_shell.h"
#include "platform/win32/win_sockets.h"
#include "platform/win32/window_system.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

namespace {

constexpr char kUsage[] = "Запуск: Orvane.exe [/sim ФАЙЛ | /ui ФАЙЛ]";

// How the program was asked to run.
struct Mode {
  std::string scenarioFile;  // empty: no scenario
  bool simulated = false;    // the scenario's LAN instead of the machine's
};

void showError(const std::string& text) {
  MessageBoxW(nullptr, wideText(text).c_str(), L"Orvane", MB_ICONERROR);
}

// The full path of the program file.
std::string programFile() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length;
  while ((length = GetModuleFileNameW(nullptr, path.data(),
                                      static_cast<DWORD>(path.size()))) ==
         path.size())
    path.resize(path.size() * 2);
  path.resize(length);
  return utf8Text(path);
}

// Its folder, ending in a backslash.
std::string folderOf(const std::string& file) {
  return file.substr(0, file.find_last_of('\\') + 1);
}

// "/sim FILE": the scenario's LAN; "/ui FILE": the machine's services with
// the scenario's user verbs only; nothing: the machine's services. False for
// any other command line.
bool modeOf(const std::vector<std::string>& args, Mode& mode) {
  if (args.empty()) return true;
  if (args.size() != 2) return false;
  const bool simulated = args[0] == "/sim" || args[0] == "-sim";
  if (!simulated && args[0] != "/ui" && args[0] != "-ui") return false;
  mode = {args[1], simulated};
  return true;
}

// The reason one of the scenario's user verbs cannot act on this form.
std::string checkUserVerbs(const sim::Scenario& scenario,
                           headless::WindowSystem& windows) {
  const headless::UiDriver driver(windows);
  for (const auto& event : scenario.events) {
    if (event.verb != "ui") continue;
    const std::string reason = driver.check(event.args);
    if (!reason.empty())
      return scenario.fileName + ":" + std::to_string(event.line) + ": " +
             reason;
  }
  return "";
}

// A world verb in a script that only acts as the user.
std::string checkNoWorldVerbs(const sim::Scenario& scenario) {
  for (const auto& event : scenario.events)
    if (event.isWorldVerb())
      return scenario.fileName + ":" + std::to_string(event.line) + ": '" +
             event.verb + "' needs the simulated LAN (/sim)";
  return "";
}

// The form on the given services; the scenario's user verbs, if any, are
// played in real time by the player of lan.
int runForm(Services& services, WindowSystem& windows, sim::SimLan& lan,
            const sim::Scenario& userVerbs, SystemClock& clock,
            MessageTimers& timers) {
  // The world the scenario sets up at time 0 is the one the program starts
  // in; a user event of that moment waits for the form.
  auto waiting = lan.player().advance(0);
  TForm1 form(services);
  const std::string reason = checkUserVerbs(userVerbs, windows);
  if (!reason.empty()) {
    showError(reason);
    return 2;
  }
  SimPump pump(
      {.player = lan.player(),
       .clock = clock,
       .timers = timers,
       .windows = windows,
       .endings = {[&form] { form.mnu_exitClick(); },
                   [] { PostQuitMessage(0); }},
       .waiting = std::move(waiting),
       .notices = {&services.tray, &services.hotKeys, [&lan](KeyCombo combo) {
                     return lan.hotKeys().idFor(combo);
                   }}});
  return runMessageLoop(windows);
}

}  // namespace

int runProgram(const std::vector<std::string>& args) {
  Mode mode;
  if (!modeOf(args, mode)) {
    showError(kUsage);
    return 2;
  }
  sim::Scenario scenario;
  try {
    if (!mode.scenarioFile.empty())
      scenario = sim::readScenarioFile(mode.scenarioFile);
  } catch (const sim::ScenarioError& e) {
    showError(e.what());
    return 2;
  }
  if (!mode.simulated) {
    const std::string reason = checkNoWorldVerbs(scenario);
    if (!reason.empty()) {
      showError(reason);
      return 2;
    }
  }
  const sim::Scenario userVerbs = scenario;

  WindowSystem windows;
  SystemClock clock;
  MessageTimers timers;
  Journal journal([&clock] { return clock.tickMs(); });
  // Without /sim the scenario holds user verbs only, and its LAN serves
  // nothing but their player.
  sim::SimLan lan(clock, journal, std::move(scenario));
  WinNetApi net;
  WinSockets sockets;
  WinFileSystem files;
  WaveSound speaker;
  UserLocale locale;
  ShellTray tray;
  WinHotKeys hotKeys;
  WinRegistry registry;
  WinShell shell;
  WinInterfaces interfaces;
  WinProcess processes;
  WinServices serviceControl;
  WinMailslots mailslots;
  WinIcmp icmp;
  // With /sim the report programs still run for real.
  lan.processes().setRealProcesses(&processes);
  // So do the echoes the scenario gives to this machine.
  lan.icmp().setMachineEchoes(&icmp);
  // The hot keys, the help and the folders are this machine's own too.
  if (mode.simulated) {
    lan.hotKeys().setRealHotKeys(&hotKeys);
    lan.shell().setRealShell(&shell);
  }
  const std::string file = programFile();
  // With /sim the server, the network around it and the machine's files
  // are the scenario's; time and the desktop are this machine's.
  Services services = mode.simulated
                          ? lanServices(lan, {.clock = clock,
                                              .timers = timers,
                                              .locale = locale,
                                              .windows = windows,
                                              .tray = tray,
                                              .programDir = {folderOf(file)},
                                              .programFile = {file}})
                          : Services{.net = net,
                                     .sockets = sockets,
                                     .interfaces = interfaces,
                                     .icmp = icmp,
                                     .mailslots = mailslots,
                                     .serviceControl = serviceControl,
                                     .files = files,
                                     .registry = registry,
                                     .processes = processes,
                                     .shell = shell,
                                     .sound = speaker,
                                     .clock = clock,
                                     .timers = timers,
                                     .locale = locale,
                                     .windows = windows,
                                     .tray = tray,
                                     .hotKeys = hotKeys,
                                     .programDir = {folderOf(file)},
                                     .programFile = {file}};
  return runForm(services, windows, lan, userVerbs, clock, timers);
}

}  // namespace ov::win32
