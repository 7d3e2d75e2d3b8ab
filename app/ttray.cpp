#include "app/ttray.h"

#include "platform/text/utf8.h"

namespace ov {

namespace {

constexpr uint32_t kIconTipMessage = NIF_MESSAGE | NIF_ICON | NIF_TIP;
constexpr uint32_t kBalloonTicks = 5;

}  // namespace

TTRAY::TTRAY(TrayPort& shell, TimerFactory& timers)
    : shell_(shell), balloonTimer_(timers.createTimer(1000, false)) {
  balloonTimer_->onTimer = [this] { Timer(); };
  nid_.uCallbackMessage = kCallbackMessage;
  shell_.onTaskbarCreated = [this] { Recover(); };
  shell_.onDoubleClick = [this] {
    if (onDoubleClick) onDoubleClick();
  };
  shell_.onRightClick = [this] {
    if (onRightClick) onRightClick();
  };
}

TTRAY::~TTRAY() {
  shell_.Shell_NotifyIcon(NotifyCommand::remove, nid_);
  shell_.onTaskbarCreated = nullptr;
  shell_.onDoubleClick = nullptr;
  shell_.onRightClick = nullptr;
}

bool TTRAY::Message(uint32_t id, TrayIconImage icon, const std::string& tip,
                    uint32_t flags, NotifyCommand command) {
  nid_.uID = id;
  nid_.uFlags = flags;
  nid_.hIcon = icon;
  nid_.szTip = utf8Cut(tip, kTipChars);
  return shell_.Shell_NotifyIcon(command, nid_);
}

bool TTRAY::Add(uint32_t id, TrayIconImage icon, const std::string& tip) {
  return Message(id, icon, tip, kIconTipMessage, NotifyCommand::add);
}

bool TTRAY::Modify(TrayIconImage icon, const std::string& tip) {
  return Message(nid_.uID, icon, tip, kIconTipMessage, NotifyCommand::modify);
}

bool TTRAY::Recover() {
  const std::string tip = nid_.szTip;
  return Message(nid_.uID, nid_.hIcon, tip, kIconTipMessage,
                 NotifyCommand::add);
}

bool TTRAY::Del() {
  return shell_.Shell_NotifyIcon(NotifyCommand::remove, nid_);
}

bool TTRAY::Balloon(const std::string& title, const std::string& text,
                    uint32_t timeoutMs) {
  tickCount_ = 0;
  balloonTimer_->setEnabled(true);
  return showBalloon(title, text, timeoutMs);
}

bool TTRAY::showBalloon(const std::string& title, const std::string& text,
                        uint32_t timeoutMs) {
  nid_.uFlags = NIF_INFO;
  nid_.szInfoTitle = utf8Cut(title, kInfoTitleChars);
  nid_.szInfo = utf8Cut(text, kInfoChars);
  nid_.uTimeout = timeoutMs;
  nid_.dwInfoFlags = NIIF_INFO | NIIF_NOSOUND;
  return shell_.Shell_NotifyIcon(NotifyCommand::modify, nid_);
}

// Hiding does not start the timer again: once the balloon is gone there is
// nothing left to take away.
void TTRAY::HideBalloon() { showBalloon("", "", 0); }

void TTRAY::Timer() {
  if (tickCount_ == kBalloonTicks) {
    tickCount_ = 0;
    balloonTimer_->setEnabled(false);
    HideBalloon();
  }
  ++tickCount_;
}

}  // namespace ov
