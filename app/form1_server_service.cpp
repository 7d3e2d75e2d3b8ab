// The server service's button on the settings page: its caption follows
// the service's state, its click pauses or continues the service.
#include "admin/error_box.h"
#include "admin/server_service.h"
#include "app/form1.h"

namespace ov {

namespace {

constexpr const char* kPauseCaption = "Приостановить службу сервера";
constexpr const char* kResumeCaption = "Возобновить службу сервера";

}  // namespace

void TForm1::ShowServerServiceState() {
  ServiceButtonFollows(admin::ServiceToggle::query,
                       admin::kServiceStartPending);
}

void TForm1::Button111Click() {
  // A continue that is still pending is as good as running: the next
  // click pauses.
  ServiceButtonFollows(admin::ServiceToggle::toggle,
                       admin::kServiceContinuePending);
}

void TForm1::ServiceButtonFollows(admin::ServiceToggle mode,
                                  uint32_t alsoRunning) {
  try {
    const uint32_t state =
        admin::ToggleServerService(services_.serviceControl, mode);
    Button111->setCaption(state == admin::kServiceRunning ||
                                  state == alsoRunning
                              ? kPauseCaption
                              : kResumeCaption);
  } catch (const std::exception& error) {
    admin::ShowErrorBox(services_.windows, *Form1, error.what());
  }
}

}  // namespace ov
