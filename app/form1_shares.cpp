// The page "Ресурсы": the shares list, the choice of the shares whose file
// openings are not logged, the share editor and the list's menu.
#include "admin/open_folder.h"
#include "admin/share_list.h"
#include "app/form1.h"

namespace ov {

namespace {

constexpr uint32_t kDiskResource = 1;

}  // namespace

admin::ShareListSource TForm1::shareListSource() {
  return {services_.net, watchedServer.name(), watchedServer.shareLevel(),
          admin::kSharesFile, services_.files};
}

void TForm1::refreshsharesClick() {
  admin::RefreshShareList(shareListSource(), *lv_shares, UnloggedPaths);
}

void TForm1::saveresClick() {
  admin::SaveShareChoices(*lv_shares, services_.files, admin::kSharesFile);
}

admin::ShareEditorContext TForm1::shareEditorContext() {
  return {services_.windows,    *Form1,
          currentDialog,        services_.net,
          watchedServer.name(), [this] { refreshsharesClick(); }};
}

// "Добавить" and "Изменить" share one handler, which the mode tells apart.
void TForm1::addShareClick() { addresClick(admin::ShareEditorMode::add); }
void TForm1::editShareClick() { addresClick(admin::ShareEditorMode::modify); }

void TForm1::addresClick(admin::ShareEditorMode mode) {
  std::string shareName;
  if (mode == admin::ShareEditorMode::modify) {
    if (lv_shares->selected() < 0) return;
    shareName = lv_shares->item(lv_shares->selected()).caption;
  }
  admin::ShowShareEditor(
      shareEditorContext(), mode, shareName,
      [this](ui::Button& button) { DialogButtonClick(button); });
}

void TForm1::N16Click() {
  admin::DeleteSelectedShare(shareListSource(), *lv_shares, UnloggedPaths);
}

void TForm1::N51Click() {
  if (lv_shares->selected() < 0) return;
  const ui::ListItem& row = lv_shares->item(lv_shares->selected());
  // A remote share's row has no path, only "---".
  const std::string folder =
      admin::FolderToOpen(row.subItems.empty() ? "" : row.subItems[0]);
  if (!folder.empty()) services_.shell.ShellExecute("explore", folder);
}

void TForm1::N15Click() { services_.shell.WNetConnectionDialog(kDiskResource); }

}  // namespace ov
