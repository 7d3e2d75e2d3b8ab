// The report commands of the tools menu.
#include "app/form1.h"
#include "traffic/report_programs.h"

namespace ov {

namespace {

ReportPrograms reportPrograms(Services& services, ui::Form& owner) {
  return {services.processes, services.shell, services.windows, owner,
          services.programDir};
}

}  // namespace

void TForm1::N31Click() {
  reportPrograms(services_, *Form1).TrafficReport(TrafficLogPath());
}

void TForm1::mnu_reportClick() {
  reportPrograms(services_, *Form1).ConnectionsReport(t_log->text());
}

}  // namespace ov
