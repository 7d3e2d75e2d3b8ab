#include "platform/win32/orvane_program.h"

#include "app/form1.h"
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
#include "platform/win32/win_netapi.h"
#include "platform/win32/win_sockets.h"
#include "platform/win32/window_system.h"
#include "platform/win32/window_text.h"

namespace ov::win32 {

namespace {

constexpr char kUsage[] = "Запуск: Orvane.exe [/sim ФАЙЛ]";

void showError(const std::string& text) {
  MessageBoxW(nullptr, wideText(text).c_str(), L"Orvane", MB_ICONERROR);
}

// The folder of the program file, ending in a backslash.
std::string programDir() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length;
  while ((length = GetModuleFileNameW(nullptr, path.data(),
                                      static_cast<DWORD>(path.size()))) ==
         path.size())
    path.resize(path.size() * 2);
  path.resize(length);
  return utf8Text(path.substr(0, path.find_last_of(L'\\') + 1));
}

// The scenario named after "/sim", or "" without one; false for any other
// argument.
bool scenarioOf(const std::vector<std::string>& args, std::string& scenario) {
  if (args.empty()) return true;
  if (args.size() != 2 || (args[0] != "/sim" && args[0] != "-sim"))
    return false;
  scenario = args[1];
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

// Every service is the machine's own.
int runOnTheMachine(WindowSystem& windows, const std::string& folder) {
  SystemClock clock;
  MessageTimers timers;
  WinNetApi net;
  WinSockets sockets;
  WinFileSystem files;
  WaveSound speaker;
  UserLocale locale;
  ShellTray tray;
  Services services{net,    sockets, files, speaker, clock,
                    timers, locale,  tray,  windows, folder};
  TForm1 form(services);
  form.window().setWindowState(ui::WindowState::normal);
  return runMessageLoop(windows);
}

// The LAN, its names and files are the scenario's, played in real time.
int runOnTheScenario(WindowSystem& windows, const std::string& folder,
                     const std::string& scenarioFile) {
  sim::Scenario scenario;
  try {
    scenario = sim::readScenarioFile(scenarioFile);
  } catch (const sim::ScenarioError& e) {
    showError(e.what());
    return 2;
  }
  const sim::Scenario userVerbs = scenario;

  SystemClock clock;
  MessageTimers timers;
  Journal journal([&clock] { return clock.tickMs(); });
  sim::SimLan lan(clock, journal, std::move(scenario));
  UserLocale locale;
  ShellTray tray;
  Services services{lan.netApi(), lan.sockets(), lan.fileSystem(), lan.sound(),
                    clock,        timers,        locale,           tray,
                    windows,      folder};
  // The world the scenario sets up at time 0 is the one the program starts
  // in; a user event of that moment waits for the form.
  auto waiting = lan.player().advance(0);
  TForm1 form(services);
  const std::string reason = checkUserVerbs(userVerbs, windows);
  if (!reason.empty()) {
    showError(reason);
    return 2;
  }
  SimPump pump({.player = lan.player(),
                .clock = clock,
                .timers = timers,
                .windows = windows,
                .endings = {[&form] { form.mnu_exitClick(); },
                            [] { PostQuitMessage(0); }},
                .waiting = std::move(waiting)});
  form.window().setWindowState(ui::WindowState::normal);
  return runMessageLoop(windows);
}

}  // namespace

int runProgram(const std::vector<std::string>& args) {
  std::string scenarioFile;
  if (!scenarioOf(args, scenarioFile)) {
    showError(kUsage);
    return 2;
  }
  WindowSystem windows;
  return scenarioFile.empty()
             ? runOnTheMachine(windows, programDir())
             : runOnTheScenario(windows, programDir(), scenarioFile);
}

}  // namespace ov::win32
