#include "app/about_window.h"

namespace ov {

namespace {

constexpr int kWidth = 440;
constexpr int kHeight = 140;
constexpr int kTextLeft = 45;
constexpr uint32_t kFadeIntervalMs = 50;
constexpr int kFadeStep = 10;
// The window stays slightly see-through: 240 of 255.
constexpr int kFadeTicks = 24;
constexpr uint32_t kLinkBlue = 0x0000FF;
constexpr uint32_t kLinkRed = 0xFF0000;

constexpr char kAboutText[] =
    "Orvane версия 1.25\nпрограмма мониторинга и управления соединениями\n"
    "под Windows NT LAN Manager\n--------------------------\n";

}  // namespace

AboutWindow::AboutWindow(ui::WindowSystem& windows, ui::Form& owner,
                         admin::CurrentDialog& current, TimerFactory& timers,
                         ShellPort& shell)
    : dialog_(windows, owner, current, {"О программе...", kWidth, kHeight}),
      shell_(shell) {
  windows.createAppIcon(dialog_.window(), {.bounds = {5, 5, 32, 32}});
  dialog_.label(kTextLeft, 5, kAboutText);
  addLink(70, kAboutMail);
  addLink(85, kAboutSite);
  dialog_.window().setOpacity(0);
  fade_ = timers.createTimer(kFadeIntervalMs, true);
  fade_->onTimer = [this] { fadeTick(); };
}

void AboutWindow::addLink(int top, const AboutLink& link) {
  ui::Label& label = dialog_.label(kTextLeft, top, link.text, link.name);
  label.setLinkStyle(kLinkBlue, false);
  label.onMouseEnter = [&label] { label.setLinkStyle(kLinkRed, true); };
  label.onMouseLeave = [&label] { label.setLinkStyle(kLinkBlue, false); };
  label.onClick = [this, &link] { shell_.ShellExecute("open", link.target); };
}

void AboutWindow::fadeTick() {
  ++fadeTicks_;
  dialog_.window().setOpacity(fadeTicks_ * kFadeStep);
  if (fadeTicks_ >= kFadeTicks) fade_->setEnabled(false);
}

void AboutWindow::showModal() {
  dialog_.showModal();
  fade_->setEnabled(false);
  fadeTicks_ = 0;
}

}  // namespace ov
