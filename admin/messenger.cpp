#include "admin/messenger.h"

#include "admin/picker_names.h"
#include "monitor/latin_upper.h"
#include "platform/text/cp1251.h"
#include "platform/text/cp866.h"
#include "platform/text/utf8.h"

namespace ov::admin {

std::string MessengerBlock(std::string_view sender, std::string_view recipient,
                           std::string_view text) {
  std::string block = utf8Cut(monitor::latinUpper(sender), kMaxSenderChars);
  block += '\0';
  block += recipient;
  block += '\0';
  block += text;
  block += '\0';
  // As the ANSI code page holds it, then as the OEM one: what 1251 lacks
  // is already a "?".
  return utf8ToCp866(cp1251ToUtf8(utf8ToCp1251(block)));
}

bool SendMessengerMessage(MailslotPort& mailslots, std::string_view sender,
                          std::string_view recipient, std::string_view text) {
  if (text.empty()) return false;
  const std::string name =
      "\\\\" + std::string(recipient) + "\\mailslot\\messngr";
  return mailslots.WriteMailslot(name, MessengerBlock(sender, recipient, text));
}

void ShowMessenger(const MessengerContext& context, const std::string& sender,
                   const std::vector<std::string>& recipients,
                   const std::string& recipient, const ButtonAction& onButton) {
  RunTimeDialog dialog(context.windows, context.owner, context.current,
                       {"net sender", 400, 170});
  dialog.label(5, 5, "От кого:");
  dialog.label(5, 25, "Кому:");
  dialog.label(5, 45, "Что:");
  dialog.edit(EditRole::edit1, {60, 5, 121, 21}, sender);
  dialog.combo({60, 25, 145, 21}, recipients, -1).setText(recipient);
  dialog.memo({60, 45, 330, 60});
  dialog.button("b_sendtext", "Отправить", {10, 110, 75, 25}, onButton, false);
  dialog.showModal();
}

void SendFromMessenger(const MessengerContext& context) {
  const CurrentDialog& messenger = context.current;
  const std::string sender = messenger.edit1->text();
  const std::string recipient = messenger.combo->text();
  const std::string text = messenger.memo->text();
  if (!sender.empty() && !recipient.empty() && !text.empty() &&
      !SendMessengerMessage(context.mailslots, sender, recipient, text))
    context.windows.messageBox(
        nullptr, "Ошибка отправки сообщения!\nНет доступа к адресату", "Ошибка",
        ui::MB_OK);
  messenger.memo->setText("");
  RememberTypedName(*messenger.combo, context.locale);
}

}  // namespace ov::admin
