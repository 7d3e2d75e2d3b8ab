#include "admin/share_editor.h"

#include <climits>
#include <initializer_list>

#include "platform/text/utf16.h"

namespace ov::admin {

namespace {

constexpr const char* kNotAdded = "Ресурс не добавлен";
// Right of the longest label, "Макс.подключений"; rows 20 pixels apart.
constexpr int kEditLeft = 115;
constexpr int kEditWidth = 375;
constexpr int kEditHeight = 20;

// The editor's text buffers, in UTF-16 units with their terminator left
// out: an add's three, a modify's name and remark, a modify's path.
constexpr std::size_t kAddTextUnits = 255;
constexpr std::size_t kModifyTextUnits = 127;
constexpr std::size_t kModifyPathUnits = 511;

void showParameterError(const ShareEditorContext& context,
                        const char* caption) {
  context.windows.messageBox(nullptr, "Ошибка в параметрах", caption,
                             ui::MB_OK);
}

bool fits(std::string_view text, std::size_t units) {
  return utf8ToUtf16(text).size() <= units;
}

// Texts longer than their buffers are refused, never cut.
bool textsFit(
    const ShareEditorContext& context,
    std::initializer_list<std::pair<const ui::Edit*, std::size_t>> boxes,
    const char* caption) {
  for (const auto& [box, units] : boxes) {
    if (fits(box->text(), units)) continue;
    showParameterError(context, caption);
    return false;
  }
  return true;
}

SHARE_INFO_502 recordFromEditor(const CurrentDialog& editor) {
  SHARE_INFO_502 share;
  share.shi502_netname = editor.edit1->text();
  share.shi502_type = 0;  // a disk share
  share.shi502_remark = editor.edit2->text();
  share.shi502_permissions = 0;
  share.shi502_max_uses = static_cast<uint32_t>(editor.spin->value());
  share.shi502_current_uses = 0;
  share.shi502_path = editor.path->text();
  return share;
}

// In modify mode: what the server tells of the share; the fields that
// cannot change are shut.
void fillForModify(const ShareEditorContext& context,
                   const std::string& shareName) {
  SHARE_INFO_2 info;
  if (!fits(shareName, kModifyTextUnits) ||
      context.net.NetShareGetInfo(context.server, shareName, info) !=
          NERR_Success)
    return;
  const CurrentDialog& editor = context.current;
  editor.edit1->setText(info.shi2_netname);
  editor.edit1->setEnabled(false);
  editor.edit2->setText(info.shi2_remark);
  editor.path->setText(info.shi2_path);
  editor.path->setEnabled(false);
  editor.combo->setText("");
  editor.combo->setEnabled(false);
  editor.spin->setValue(static_cast<int>(info.shi2_max_uses));
}

}  // namespace

void ShowShareEditor(const ShareEditorContext& context, ShareEditorMode mode,
                     const std::string& shareName,
                     const ButtonAction& onButton) {
  RunTimeDialog dialog(context.windows, context.owner, context.current,
                       {"Редактор ресурсов", 500, 170});
  dialog.label(5, 5, "Имя:");
  dialog.label(5, 25, "Комментарий:");
  dialog.label(5, 45, "Путь:");
  dialog.label(5, 65, "Макс.подключений");
  dialog.label(5, 85, "Доступ:");
  dialog.edit(EditRole::edit1, {kEditLeft, 5, kEditWidth, kEditHeight});
  dialog.edit(EditRole::edit2, {kEditLeft, 25, kEditWidth, kEditHeight});
  // Short of the browse button, which a window made later would not cover.
  dialog.edit(EditRole::path, {kEditLeft, 45, 350, kEditHeight});
  ui::Button& browse =
      dialog.button("", "...", {470, 45, 21, 21}, onButton, false);
  // -1 is no limit.
  dialog.spin({kEditLeft, 65, 121, 22}, -1, INT_MAX, 10);
  dialog.combo({kEditLeft, 85, 145, 21}, {"Полный", "Только чтение"}, 0);
  if (mode == ShareEditorMode::add) {
    dialog.button("", "Добавить", {10, 110, 75, 25}, onButton, true);
  } else {
    dialog.button("editr", "Применить", {10, 110, 75, 25}, onButton, true);
    fillForModify(context, shareName);
    if (!context.current.edit1->enabled()) browse.setEnabled(false);
  }
  dialog.showModal();
  context.refreshList();
}

void AddShareFromEditor(const ShareEditorContext& context) {
  const CurrentDialog& editor = context.current;
  if (!textsFit(context,
                {{editor.edit1, kAddTextUnits},
                 {editor.edit2, kAddTextUnits},
                 {editor.path, kAddTextUnits}},
                kNotAdded))
    return;
  SHARE_INFO_502 share = recordFromEditor(editor);
  share.access_mask =
      editor.combo->itemIndex() == 0 ? kFullAccess : kReadOnlyAccess;
  // Always the local machine, whichever server is watched.
  if (context.net.NetShareAdd("", share) == ERROR_INVALID_PARAMETER)
    showParameterError(context, kNotAdded);
  context.refreshList();
}

void ModifyShareFromEditor(const ShareEditorContext& context) {
  const CurrentDialog& editor = context.current;
  if (!textsFit(context,
                {{editor.edit1, kModifyTextUnits},
                 {editor.edit2, kModifyTextUnits},
                 {editor.path, kModifyPathUnits}},
                "Ресурс не изменен"))
    return;
  // The rights stay as they are: no descriptor goes with the record.
  const SHARE_INFO_502 share = recordFromEditor(editor);
  context.net.NetShareSetInfo(context.server, share.shi502_netname, share);
}

void BrowseForSharePath(const ShareEditorContext& context) {
  ui::Edit& path = *context.current.path;
  if (const auto chosen =
          context.windows.browseForFolder("Выберите каталог", path.text()))
    path.setText(*chosen);
}

}  // namespace ov::admin
