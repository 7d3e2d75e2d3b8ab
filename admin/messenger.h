#pragma once
// The messenger "net sender": a pop-up text written to another computer's
// messenger mailslot as one block.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "admin/run_time_dialog.h"
#include "platform/locale.h"
#include "platform/mailslot.h"
#include "platform/ui.h"

namespace ov::admin {

// The sender's working buffer, in characters without the terminator.
inline constexpr std::size_t kMaxSenderChars = 11;

// Sender (a-z raised, cut to its buffer), recipient and text, each ended by
// a zero byte, in the OEM code page (866) as the messenger service reads.
std::string MessengerBlock(std::string_view sender, std::string_view recipient,
                           std::string_view text);

// Writes the block to "\\RECIPIENT\mailslot\messngr"; false when the text
// is empty or the mailslot cannot be written.
bool SendMessengerMessage(MailslotPort& mailslots, std::string_view sender,
                          std::string_view recipient, std::string_view text);

struct MessengerContext {
  ui::WindowSystem& windows;
  ui::Form& owner;
  CurrentDialog& current;
  MailslotPort& mailslots;
  Locale& locale;
};

// Shows the dialog modally; the recipient box lists `recipients` and shows
// `recipient`.
void ShowMessenger(const MessengerContext& context, const std::string& sender,
                   const std::vector<std::string>& recipients,
                   const std::string& recipient, const ButtonAction& onButton);

// "Отправить": sends when sender, recipient and text are all given, says
// so when that fails, clears the text and remembers the recipient.
void SendFromMessenger(const MessengerContext& context);

}  // namespace ov::admin
