#pragma once
// "Поиск в логе": the lines of the file log that hold a text, and the
// narrowing of those lines by further texts.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "admin/run_time_dialog.h"
#include "platform/ui.h"

namespace ov::admin {

// The search text's buffer, in characters without the terminator.
inline constexpr std::size_t kMaxSearchChars = 255;

// Every line of the log (without its line end) that holds the text, byte
// for byte in Windows-1251; lines of any length are searched whole. An
// empty text, one longer than its buffer, or a log that cannot be read
// finds nothing.
std::vector<std::string> SearchLog(std::string_view logPath,
                                   std::string_view text);

// The memo's lines that hold the text, as the memo then shows them.
std::string NarrowResults(std::string_view memoText, std::string_view text);

// Shows the dialog modally; its two buttons, FindBut and FindInBut, go to
// onButton.
void ShowLogSearch(ui::WindowSystem& windows, ui::Form& owner,
                   CurrentDialog& current, const ButtonAction& onButton);

// The handler of both buttons, told apart by their names; logPath is the
// file log as the settings page names it now.
void LogSearchButton(const ui::Button& button, const CurrentDialog& current,
                     std::string_view logPath);

}  // namespace ov::admin
