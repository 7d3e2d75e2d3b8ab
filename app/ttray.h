#pragma once
// TTRAY: the program's one notification-area icon, its balloons and the
// timer that takes a balloon away again.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "monitor/tray_notices.h"
#include "platform/clock.h"
#include "platform/tray.h"

namespace ov {

class TTRAY : public monitor::TrayNotices {
 public:
  static constexpr uint32_t kCallbackMessage = 1024;
  static constexpr size_t kTipChars = 127;
  static constexpr size_t kInfoTitleChars = 63;
  static constexpr size_t kInfoChars = 255;

  TTRAY(TrayPort& shell, TimerFactory& timers);
  ~TTRAY() override;
  TTRAY(const TTRAY&) = delete;
  TTRAY& operator=(const TTRAY&) = delete;

  bool Message(uint32_t id, TrayIconImage icon, const std::string& tip,
               uint32_t flags, NotifyCommand command);
  bool Add(uint32_t id, TrayIconImage icon, const std::string& tip);
  bool Modify(TrayIconImage icon, const std::string& tip) override;
  bool Recover();
  bool Del();
  bool CanShowBalloons() { return shell_.CanShowBalloons(); }
  bool Balloon(const std::string& title, const std::string& text,
               uint32_t timeoutMs) override;
  void HideBalloon();
  // The balloon timer's tick.
  void Timer();

  // The tray icon's double click and right click, handled by the window
  // that owns the icon.
  std::function<void()> onDoubleClick;
  std::function<void()> onRightClick;

  const NotifyIconData& record() const { return nid_; }
  int tickCount() const { return tickCount_; }

 private:
  bool showBalloon(const std::string& title, const std::string& text,
                   uint32_t timeoutMs);

  TrayPort& shell_;
  NotifyIconData nid_;
  int tickCount_ = 0;
  std::unique_ptr<ov::Timer> balloonTimer_;
};

}  // namespace ov
