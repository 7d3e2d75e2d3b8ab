// The traffic of the chosen interface: the minute tick's sample and log
// lines, the exit line, and the dialog "Настройки интерфейса".
#include "app/form1.h"
#include "app/program_path.h"

namespace ov {

namespace {

constexpr int kLastHour = 23;
constexpr int kLastMinute = 59;

}  // namespace

std::string TForm1::TrafficLogPath() const {
  return ProgramFilePath(services_.programDir, "traffic.log");
}

void TForm1::Timer2Timer() {
  minuteSessions();
  activity.addFiles(cycleCounters.loggedOpeningsThisMinute);
  cycleCounters.loggedOpeningsThisMinute = 0;
  traffic.SampleCounters();
  activity.addTraffic(traffic.inTotal(), traffic.outTotal());
  if (traffic.logging) {
    // The day's last minute and the interval are apart: both may write.
    const LocalDateTime now = services_.clock.now();
    if (now.hour == kLastHour && now.minute == kLastMinute)
      traffic.AppendTrafficLog(TrafficLogPath());
    if (traffic.logInterval > 0 &&
        (UptimeSeconds / 60) % traffic.logInterval == 0)
      traffic.AppendTrafficLog(TrafficLogPath());
  }
  activity.advance();
  DrawActivityGraph();
  activity.clearNextSlot();
}

void TForm1::mnu_trafficClick() {
  admin::RunTimeDialog dialog(services_.windows, *Form1, currentDialog,
                              {"Настройки интерфейса", 400, 120});
  dialog.label(5, 5, "Интерфейс:");
  ui::SpinEdit& interval = dialog.spin(
      {200, 30, 70, 21}, 0, 9999, traffic.logInterval,
      "Интервал в минутах, через который будут записываться в лог данные по "
      "траффику");
  // A fresh table for the list.
  traffic.SampleCounters();
  std::vector<std::string> names;
  for (const IfRow& row : traffic.interfaces()) names.push_back(row.descr);
  dialog
      .combo({95, 5, 290, 21}, names, -1,
             "Интерфейс, с которого будут сниматься данные по траффику")
      .setText(traffic.interfaceName);
  dialog.check({10, 30, 188, 17},
               "Вести лог с интервалом (мин):", traffic.logging,
               "Записывать при выходе из программы данные по траффику, "
               "прошедшему через интерфейс");
  dialog.button(
      "TrOk", "Ok", {10, 50, 75, 25},
      [this](ui::Button& button) { DialogButtonClick(button); }, true);
  // However it closed, the interval is taken, before the spin box goes.
  dialog.showModal(
      [&] { traffic.logInterval = static_cast<uint16_t>(interval.value()); });
}

void TForm1::TrOkClick() {
  traffic.interfaceName = CutInterfaceName(currentDialog.combo->text());
  traffic.position = currentDialog.combo->itemIndex();
  traffic.logging = currentDialog.check->checked();
}

}  // namespace ov
