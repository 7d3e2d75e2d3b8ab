#include "lan_form.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "app/lan_services.h"

namespace ov::test {

namespace {

// A fresh folder for the program's files, so that no settings file of
// another run is read.
std::filesystem::path freshProgramDir() {
  static int runs = 0;
  const auto dir = std::filesystem::temp_directory_path() /
                   ("ov_monitor_cycle_" + std::to_string(getpid()) + "_" +
                    std::to_string(++runs));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

std::string callOf(const std::string& line) {
  const std::string key = "\"call\": \"";
  const size_t from = line.find(key) + key.size();
  return line.substr(from, line.find('"', from) - from);
}

}  // namespace

bool HookedSound::PlaySound(std::string_view fileName) {
  const bool played = device_.PlaySound(fileName);
  if (duringPlay) duringPlay();
  return played;
}

LanForm::LanForm(std::string_view scenario, LanFormOptions options)
    : dir_(freshProgramDir()),
      clock_(options.start),
      journal_([this] { return clock_.tickMs(); }),
      lan_(clock_, journal_, sim::parseScenario(scenario, "test.scn")),
      sound_(lan_.sound()),
      tray_(&journal_),
      services_(
          lanServices(lan_, {.clock = clock_,
                             .timers = clock_,
                             .locale = locale_,
                             .windows = windows_,
                             .tray = tray_,
                             .programDir = {dir_.string() + "/"},
                             .programFile = {options.programFile.empty()
                                                 ? dir_.string() + "/Orvane.exe"
                                                 : options.programFile},
                             .sound = &sound_})),
      driver_(windows_, {&tray_, &lan_.hotKeys(), [this](KeyCombo combo) {
                           return lan_.hotKeys().idFor(combo);
                         }}) {
  windows_.setJournal(&journal_);
  windows_.refuseToolTips = options.refuseToolTips;
  windows_.onModal = [this](const std::function<bool()>& done) {
    runModal(done);
  };
  if (options.beforeStart) options.beforeStart(dir_, lan_.world());
  form_ = std::make_unique<TForm1>(services_);
}

ui::MenuItem& LanForm::menuItem(const std::string& name) {
  auto* item = windows_.registry().find<ui::MenuItem>(name);
  if (item == nullptr) throw std::invalid_argument("no menu item " + name);
  return *item;
}

LanForm::~LanForm() {
  form_.reset();
  std::filesystem::remove_all(dir_);
}

void LanForm::runUntil(double seconds) {
  endMs_ = static_cast<uint64_t>(std::llround(seconds * 1000));
  pump([] { return false; });
  clock_.advanceTo(endMs_);
}

void LanForm::pump(const std::function<bool()>& done) {
  while (!done()) {
    const auto worldDue = lan_.player().nextDueMs();
    const auto timerDue = clock_.nextTimerDue();
    // Lines due at a moment come before the timers due then.
    if (worldDue && *worldDue <= endMs_ &&
        (!timerDue || *worldDue <= *timerDue)) {
      clock_.advanceTo(*worldDue);
      while (!done()) {
        auto event = lan_.player().advance(clock_.tickMs());
        if (!event) break;
        if (event->verb == "ui") driver_.apply(event->args);
      }
    } else if (!clock_.fireNextTimer(endMs_)) {
      break;
    }
  }
}

void LanForm::runModal(const std::function<bool()>& done) {
  // A dialog opened by the test itself plays the scenario's lines that
  // remain; one the lines leave open closes when they run out.
  const auto lastLine = lan_.player().lastLineMs();
  if (!lastLine) return;
  endMs_ = std::max(endMs_, *lastLine);
  pump(done);
}

std::vector<std::string> LanForm::calls(std::string_view call) const {
  std::vector<std::string> out;
  const std::string key = "\"args\": ";
  for (const std::string& line : journal_.lines()) {
    if (callOf(line) != call) continue;
    const size_t from = line.find(key) + key.size();
    out.push_back(line.substr(from, line.size() - 1 - from));
  }
  return out;
}

std::vector<std::string> LanForm::callNames() const {
  std::vector<std::string> out;
  for (const std::string& line : journal_.lines()) out.push_back(callOf(line));
  return out;
}

void runAfterBranch(std::function<void()>& branch, std::function<void()> then) {
  branch = [work = branch, then = std::move(then)] {
    try {
      work();
    } catch (...) {
      then();
      throw;
    }
    then();
  };
}

void recordAfterBranch(std::function<void()>& branch,
                       const admin::CurrentDialog& dialog,
                       std::vector<MemoAndList>& seen) {
  runAfterBranch(branch, [&dialog, &seen] {
    seen.push_back({dialog.memo->text(), dialog.combo->items()});
  });
}

std::vector<std::string> gridRow(const ui::StringGrid& grid, int row) {
  std::vector<std::string> cells;
  for (int col = 0; col < grid.colCount(); ++col)
    cells.push_back(grid.cell(col, row));
  return cells;
}

std::vector<std::string> listItems(const ui::ListBox& list) {
  std::vector<std::string> items;
  for (int i = 0; i < list.count(); ++i) items.push_back(list.item(i));
  return items;
}

std::vector<std::string> listViewRow(const ui::ListView& view, int index) {
  const ui::ListItem& item = view.item(index);
  std::vector<std::string> row{item.caption};
  row.insert(row.end(), item.subItems.begin(), item.subItems.end());
  return row;
}

}  // namespace ov::test
