// The server service's button: the caption on the settings page, pause
// and continue through the service manager, and the errors it shows.
#include <gtest/gtest.h>

#include <string>

#include "lan_form.h"
#include "tests/support/inert_lan.h"

namespace ov::test {
namespace {

constexpr const char* kPause = "Приостановить службу сервера";
constexpr const char* kResume = "Возобновить службу сервера";

TEST(ServerService, TheSettingsPageShowsWhatTheNextClickDoes) {
  for (const auto& [state, caption] : {std::pair{"2", kPause},
                                       {"4", kPause},
                                       {"7", kResume},
                                       {"1", kResume}}) {
    LanForm lan(std::string("0 service ") + state + "\n1 ui page 3\n");
    lan.runUntil(1.5);
    EXPECT_EQ(lan.form().settingsPage().Button111.caption(), caption) << state;
    EXPECT_EQ(lan.serviceManager().openHandles(), 0u);
  }
}

TEST(ServerService, ClicksPauseAndContinueTheService) {
  LanForm lan(
      "1 ui page 3\n"
      "2 ui click Button111\n"
      "3 ui click Button111\n");
  lan.runUntil(2.5);
  EXPECT_EQ(lan.calls("ControlService"),
            (std::vector<std::string>{R"(["lanmanserver", 2])"}));
  EXPECT_EQ(lan.form().settingsPage().Button111.caption(), kResume);
  lan.runUntil(3.5);
  EXPECT_EQ(lan.calls("ControlService"),
            (std::vector<std::string>{R"(["lanmanserver", 2])",
                                      R"(["lanmanserver", 3])"}));
  EXPECT_EQ(lan.form().settingsPage().Button111.caption(), kPause);
  EXPECT_EQ(lan.serviceManager().openHandles(), 0u);
}

TEST(ServerService, FailuresShowTheirTextAndCodeAndLeaveTheCaption) {
  // Without the right to the manager, every visit of the page says so.
  LanForm denied(
      "0 service deny\n"
      "1 ui page 3\n"
      "2 ui page 0\n"
      "3 ui page 3\n");
  denied.runUntil(3.5);
  const std::string refused =
      R"(["Orvane", "Error from lanmanserver::OpenSCManager() : 5", 16])";
  EXPECT_EQ(denied.calls("MessageBox"),
            (std::vector<std::string>{refused, refused}));
  EXPECT_EQ(denied.form().settingsPage().Button111.caption(), kPause);

  // A stopped service cannot be paused.
  LanForm stopped("0 service 1\n1 ui click Button111\n");
  stopped.runUntil(1.5);
  EXPECT_EQ(stopped.calls("MessageBox"),
            (std::vector<std::string>{
                R"(["Orvane", "Error from StopService() : 1062", 16])"}));
  EXPECT_EQ(stopped.form().settingsPage().Button111.caption(), kPause);
  EXPECT_EQ(stopped.serviceManager().openHandles(), 0u);
}

// A manager whose continue reports "continue pending", as a real one may
// while the service comes back.
class PendingContinueManager : public InertServices {
 public:
  bool QueryServiceStatus(Handle, SERVICE_STATUS& status) override {
    status.dwCurrentState = state_;
    return true;
  }
  bool ControlService(Handle, uint32_t control,
                      SERVICE_STATUS& status) override {
    const bool resume = control == SERVICE_CONTROL_CONTINUE;
    status.dwCurrentState = resume ? 5 : 7;
    state_ = resume ? 4 : 7;
    return true;
  }

 private:
  uint32_t state_ = 4;
};

TEST(ServerService, AContinueStillPendingShowsPauseForTheNextClick) {
  InertMachine machine;
  PendingContinueManager manager;
  machine.serviceManager = &manager;
  headless::HeadlessLocale locale;
  headless::WindowSystem windows;
  Services services =
      machine.services(locale, windows, testing::TempDir() + "/");
  TForm1 form(services);
  form.settingsPage().Button111.click();
  EXPECT_EQ(form.settingsPage().Button111.caption(), kResume);
  form.settingsPage().Button111.click();
  EXPECT_EQ(form.settingsPage().Button111.caption(), kPause);
}

}  // namespace
}  // namespace ov::test
