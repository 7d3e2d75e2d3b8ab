#pragma once
// "О программе...": the program's name and version and two contact links,
// fading in over the main window.
#include <memory>

#include "admin/run_time_dialog.h"
#include "platform/clock.h"
#include "platform/shell.h"
#include "platform/ui.h"

namespace ov {

struct AboutLink {
  const char* name;
  const char* text;
  const char* target;
};

// The maker's contacts.
inline constexpr AboutLink kAboutMail{"lb_mail", "orvane@orvane.example",
                                      "mailto:orvane@orvane.example"};
inline constexpr AboutLink kAboutSite{"lb_site", "https://orvane.example/",
                                      "https://orvane.example/"};

class AboutWindow {
 public:
  AboutWindow(ui::WindowSystem& windows, ui::Form& owner,
              admin::CurrentDialog& current, TimerFactory& timers,
              ShellPort& shell);
  // Modal; returns when the user has closed it.
  void showModal();

 private:
  void addLink(int top, const AboutLink& link);
  void fadeTick();

  admin::RunTimeDialog dialog_;
  ShellPort& shell_;
  std::unique_ptr<Timer> fade_;
  int fadeTicks_ = 0;
};

}  // namespace ov
