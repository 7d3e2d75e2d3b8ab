#include "admin/dialog_button_handler.h"

namespace ov::admin {

namespace {

void runIf(bool test, const std::function<void()>& branch) {
  if (test && branch) branch();
}

}  // namespace

void RunDialogButton(const ui::Button& button, const DialogBranches& branches) {
  // Each test looks at the same button; the captions and names are exact.
  runIf(button.caption() == "Отправить", branches.send);
  runIf(button.caption() == "Пинг", branches.ping);
  runIf(button.caption() == "...", branches.browse);
  runIf(button.caption() == "Добавить", branches.addShare);
  runIf(button.name() == "TrOk", branches.trafficOk);
  runIf(button.name() == "editr", branches.modifyShare);
}

}  // namespace ov::admin
