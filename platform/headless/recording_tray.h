#pragma once
// The notification area of the headless runner: every call is journaled.
#include "platform/journal.h"
#include "platform/tray.h"

namespace ov::headless {

class RecordingTray : public TrayPort {
 public:
  explicit RecordingTray(Journal* journal) : journal_(journal) {}
  bool Shell_NotifyIcon(NotifyCommand command,
                        const NotifyIconData& data) override;
  bool CanShowBalloons() override { return balloons_; }
  void setBalloons(bool shown) { balloons_ = shown; }
  bool iconShown() const { return shown_; }
  // The shell starts again: its icons are gone, and it says so.
  void restartShell() {
    shown_ = false;
    if (onTaskbarCreated) onTaskbarCreated();
  }
  const NotifyIconData& shownData() const { return data_; }

 private:
  Journal* journal_;
  bool shown_ = false;
  bool balloons_ = true;
  NotifyIconData data_;
};

const char* trayIconName(TrayIconImage icon);

}  // namespace ov::headless
