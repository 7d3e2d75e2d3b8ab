#include "platform/headless/runner/runner.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <optional>
#include <ostream>

#include "app/form1.h"
#include "app/lan_services.h"
#include "platform/headless/headless_locale.h"
#include "platform/headless/recording_tray.h"
#include "platform/headless/runner/server_net.h"
#include "platform/headless/runner/wall_clock_pacing.h"
#include "platform/headless/user_events.h"
#include "platform/headless/virtual_clock.h"
#include "platform/headless/window_system.h"
#include "platform/posix/posix_icmp.h"
#include "platform/posix/posix_process.h"
#include "platform/posix/posix_sockets.h"
#include "platform/posix/proc_net_dev.h"
#include "platform/sim/sim_lan.h"

namespace ov::headless {

namespace {

constexpr uint64_t kDefaultRunMs = 3600 * 1000;
constexpr uint32_t kShowAfterMs = 500;
// The program file as it stands in the program's folder.
constexpr char kProgramFileName[] = "Orvane.exe";

LocalDateTime realLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  LocalDateTime t;
  t.year = local.tm_year + 1900;
  t.month = local.tm_mon + 1;
  t.day = local.tm_mday;
  t.hour = local.tm_hour;
  t.minute = local.tm_min;
  t.second = local.tm_sec;
  t.dayOfWeek = local.tm_wday;
  return t;
}

// Everything one run is made of, in the order it must be built. With a real
// server's port the form watches that server, on the wall clock.
class Run {
 public:
  Run(const RunnerOptions& options, sim::Scenario scenario, NetApi* server)
      : clock_(options.start.value_or(realLocalTime())),
        journal_([this] { return clock_.tickMs(); }),
        lan_(clock_, journal_, std::move(scenario)),
        tray_(&journal_),
        services_(lanServices(
            lan_,
            {.clock = clock_,
             .timers = clock_,
             .locale = locale_,
             .windows = windows_,
             .tray = tray_,
             .programDir = {options.programDir},
             .programFile = {options.programDir + kProgramFileName},
             .net = server,
             .sockets = server ? &machineSockets_ : nullptr,
             .interfaces =
                 options.scenario.empty() ? &machineInterfaces_ : nullptr,
             .icmp = options.scenario.empty() ? &machineIcmp_ : nullptr})),
        events_(
            windows_,
            {[this] { ended_ = true; }, [this] { ended_ = quit_ = true; }},
            {&tray_, &lan_.hotKeys(),
             [this](KeyCombo combo) { return lan_.hotKeys().idFor(combo); }}),
        options_(options) {
    windows_.setJournal(&journal_);
    // The report programs really run, after the journal has them.
    lan_.processes().setRealProcesses(&realProcesses_);
    // So do the echoes the scenario gives to this machine.
    lan_.icmp().setMachineEchoes(&machineIcmp_);
    // The tray menu's exit ends the run with nothing saved.
    windows_.onTerminate = [this] { ended_ = quit_ = true; };
    if (server) pacing_.emplace();
  }

  bool openJournal() {
    return options_.journal.empty() || journal_.open(options_.journal);
  }
  // The world the scenario sets up at time 0 is the one the program starts
  // in: its host name, files and sessions are there before start-up reads
  // them. A user verb of that moment waits for the form.
  void createForm() {
    waiting_ = lan_.player().advance(0);
    sim::World& world = lan_.world();
    tray_.setBalloons(world.platform().balloons);
    windows_.refuseToolTips = world.failures().take("TTM_ADDTOOL").has_value();
    form_ = std::make_unique<TForm1>(services_);
  }
  const UiDriver& driver() const { return events_.driver(); }

  void play(std::ostream& err) {
    // A dialog shown modally plays the scenario on inside it.
    windows_.onModal = [this, &err](const std::function<bool()>& done) {
      pump(done, err);
    };
    if (waiting_) events_.handle(waiting_->verb, waiting_->args, err);
    if (options_.show) showAfterStart(err);
    pump([] { return false; }, err);
    finish(err);
  }

 private:
  // Applies the world's events and fires the timers in time order until
  // done() holds or the run ends.
  void pump(const std::function<bool()>& done, std::ostream& err) {
    const uint64_t endMs = options_.runForMs.value_or(kDefaultRunMs);
    while (!over() && !done()) {
      const auto worldDue = lan_.player().nextDueMs();
      const auto timerDue = clock_.nextTimerDue();
      if (worldDue && *worldDue <= endMs &&
          (!timerDue || *worldDue <= *timerDue)) {
        clock_.advanceTo(*worldDue);
        while (!over() && !done()) {
          auto event = lan_.player().advance(clock_.tickMs());
          if (!event) break;
          events_.handle(event->verb, event->args, err);
        }
      } else if (pacing_ &&
                 !pacing_->waitFor(std::min(timerDue.value_or(endMs), endMs))) {
        // SIGINT or SIGTERM: the run ends as the main menu's exit ends it.
        ended_ = true;
      } else if (!clock_.fireNextTimer(endMs)) {
        // Time is up. The dump is taken here, so that it still sees a
        // dialog that is open at the end.
        clock_.advanceTo(endMs);
        writeEndDump(err);
        ended_ = true;
      } else {
        writeStatus(err);
      }
    }
  }

  // The run is over when it was ended, or when the program closed its
  // window itself (the main menu's exit, chosen or by its shortcut).
  bool over() const { return ended_ || form_->mainWindow().Form1.closed(); }

  // The window opens from the tray as a double click opens it, once the
  // start-up has hidden it there.
  void showAfterStart(std::ostream& err) {
    showTimer_ = clock_.createTimer(kShowAfterMs, true);
    showTimer_->onTimer = [this, &err] {
      showTimer_->setEnabled(false);
      events_.handle("ui", {"tray", "dblclick"}, err);
    };
  }

  // The live dump: written beside its file and renamed over it, so a
  // reader never sees half of one.
  void writeStatus(std::ostream& err) {
    if (options_.status.empty()) return;
    const std::string fresh = options_.status + ".new";
    if (!writeDump(fresh, windows_) ||
        std::rename(fresh.c_str(), options_.status.c_str()) != 0)
      err << "cannot write " << options_.status << '\n';
  }

  void writeEndDump(std::ostream& err) {
    if (dumped_ || options_.dump.empty()) return;
    dumped_ = true;
    if (!writeDump(options_.dump, windows_))
      err << "cannot write " << options_.dump << '\n';
  }

  // Ends the run: the dump first, while the window still stands, then the
  // main menu's exit (which saves) unless the run was quit.
  void finish(std::ostream& err) {
    writeEndDump(err);
    if (!quit_) form_->mnu_exitClick();
  }

  posix::PosixProcess realProcesses_;
  posix::ProcNetDev machineInterfaces_;
  posix::PosixIcmp machineIcmp_;
  posix::PosixSockets machineSockets_;
  VirtualClock clock_;
  Journal journal_;
  sim::SimLan lan_;
  HeadlessLocale locale_;
  RecordingTray tray_;
  WindowSystem windows_;
  Services services_;
  UserEvents events_;
  const RunnerOptions& options_;
  std::unique_ptr<TForm1> form_;
  std::optional<WallClockPacing> pacing_;
  std::unique_ptr<Timer> showTimer_;
  std::optional<sim::ScenarioEvent> waiting_;
  bool ended_ = false;
  bool quit_ = false;
  bool dumped_ = false;
};

}  // namespace

int runScenario(const RunnerOptions& options, std::ostream& err) {
  sim::Scenario scenario;
  try {
    if (!options.scenario.empty())
      scenario = sim::readScenarioFile(options.scenario);
  } catch (const sim::ScenarioError& e) {
    err << e.what() << '\n';
    return 2;
  }
  std::vector<sim::ScenarioEvent> userEvents;
  for (const auto& event : scenario.events)
    if (event.verb == "ui") userEvents.push_back(event);
  const std::string fileName = scenario.fileName;

  std::unique_ptr<NetApi> server;
  if (!options.server.empty()) {
    std::string reason;
    server = connectServer(options, reason);
    if (!server) {
      err << "orvane: " << options.server << ": " << reason << '\n';
      return 1;
    }
  }
  Run run(options, std::move(scenario), server.get());
  if (!run.openJournal()) {
    err << "cannot write the journal " << options.journal << '\n';
    return 2;
  }
  run.createForm();
  // A user verb that this form cannot take stops the run before it starts.
  for (const auto& event : userEvents) {
    const std::string reason = run.driver().check(event.args);
    if (!reason.empty()) {
      err << fileName << ":" << event.line << ": " << reason << '\n';
      return 2;
    }
  }
  run.play(err);
  return 0;
}

}  // namespace ov::headless
