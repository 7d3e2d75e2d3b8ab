#pragma once
// The real main window on the in-memory controls and the simulated LAN,
// played on the virtual clock the way the headless runner plays a scenario.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/form1.h"
#include "platform/headless/headless_locale.h"
#include "platform/headless/recording_tray.h"
#include "platform/headless/ui_driver.h"
#include "platform/headless/virtual_clock.h"
#include "platform/headless/window_system.h"
#include "platform/sim/sim_lan.h"

namespace ov::test {

// The sim's sound device; a test may run something inside PlaySound, as a
// message loop pumping during the call would.
class HookedSound : public Sound {
 public:
  explicit HookedSound(Sound& device) : device_(device) {}
  unsigned waveOutGetNumDevs() override { return device_.waveOutGetNumDevs(); }
  bool PlaySound(std::string_view fileName) override;
  std::function<void()> duringPlay;

 private:
  Sound& device_;
};

struct LanFormOptions {
  LocalDateTime start{2026, 3, 5, 9, 0, 0, 0, 4};
  // Runs before the form is created: the files the program finds beside
  // it at start, the world as start-up sees it.
  std::function<void(const std::filesystem::path& programDir, sim::World&)>
      beforeStart;
  // The program file's full path; "Orvane.exe" in the program's folder
  // when empty.
  std::string programFile{};
  // A system that cannot make the cell hint's tooltip.
  bool refuseToolTips = false;
};

class LanForm {
 public:
  // The scenario starts at 9:00:00 on 5 March 2026 unless the options say
  // otherwise; Timer3 first ticks at one second. Message and input boxes
  // are journaled, as in the runner.
  explicit LanForm(std::string_view scenario, LanFormOptions options = {});
  ~LanForm();

  // Plays the scenario's lines and the timers up to that moment. A dialog
  // shown modally meanwhile plays on inside it.
  void runUntil(double seconds);

  TForm1& form() { return *form_; }
  // The program's folder; it lives as long as this object.
  const std::filesystem::path& programDir() const { return dir_; }
  HookedSound& sound() { return sound_; }
  headless::RecordingTray& tray() { return tray_; }
  headless::WindowSystem& windows() { return windows_; }
  // A menu item of the window, by its name, as a user finds it.
  ui::MenuItem& menuItem(const std::string& name);
  sim::SimRegistry& registry() { return lan_.registry(); }
  sim::SimServices& serviceManager() { return lan_.services(); }
  sim::SimIcmp& icmp() { return lan_.icmp(); }

  // The argument lists of the journal's lines of one call, as written:
  // R"(["Подключился:", "PC1 (ivan)", 5000])".
  std::vector<std::string> calls(std::string_view call) const;
  // Every journal line's call name, in order.
  std::vector<std::string> callNames() const;

 private:
  // Plays lines and timers in time order, up to endMs_, until done().
  void pump(const std::function<bool()>& done);
  void runModal(const std::function<bool()>& done);

  uint64_t endMs_ = 0;
  std::filesystem::path dir_;
  headless::VirtualClock clock_;
  Journal journal_;
  sim::SimLan lan_;
  HookedSound sound_;
  headless::HeadlessLocale locale_;
  headless::RecordingTray tray_;
  headless::WindowSystem windows_;
  Services services_;
  headless::UiDriver driver_;
  std::unique_ptr<TForm1> form_;
};

// Makes a dialog button's branch run `then` after its own work, even when
// that throws: a test reads the open dialog there.
void runAfterBranch(std::function<void()>& branch, std::function<void()> then);

// What the open dialog's memo and combo box show.
struct MemoAndList {
  std::string memo;
  std::vector<std::string> list;
};
// Records them after each run of the branch, even one that throws.
void recordAfterBranch(std::function<void()>& branch,
                       const admin::CurrentDialog& dialog,
                       std::vector<MemoAndList>& seen);

// What the user sees of the controls.
std::vector<std::string> gridRow(const ui::StringGrid& grid, int row);
std::vector<std::string> listItems(const ui::ListBox& list);
std::vector<std::string> listViewRow(const ui::ListView& view, int index);

}  // namespace ov::test
