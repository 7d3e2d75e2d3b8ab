#include "admin/log_search.h"

#include <fstream>

#include "platform/text/cp1251.h"
#include "platform/text/text_file.h"
#include "platform/text/utf8.h"

namespace ov::admin {

namespace {

// The text as the ANSI code page holds it, so that it matches the log's
// bytes exactly: what 1251 lacks is a "?" there too.
std::string asLogBytes(std::string_view text) { return utf8ToCp1251(text); }

bool searchable(std::string_view text) {
  return !text.empty() && utf8Length(text) <= kMaxSearchChars;
}

std::string memoText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace

std::vector<std::string> SearchLog(std::string_view logPath,
                                   std::string_view text) {
  std::vector<std::string> found;
  if (!searchable(text)) return found;
  const std::string wanted = asLogBytes(text);
  std::ifstream log(pathFromUtf8(logPath), std::ios::binary);
  for (std::string line; std::getline(log, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find(wanted) != std::string::npos)
      found.push_back(cp1251ToUtf8(line));
  }
  return found;
}

std::string NarrowResults(std::string_view memo, std::string_view text) {
  std::vector<std::string> kept;
  const std::string wanted = cp1251ToUtf8(asLogBytes(text));
  std::size_t from = 0;
  while (from < memo.size()) {
    std::size_t end = memo.find('\n', from);
    if (end == std::string_view::npos) end = memo.size();
    std::string_view line = memo.substr(from, end - from);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (searchable(text) && line.find(wanted) != std::string_view::npos)
      kept.emplace_back(line);
    from = end + 1;
  }
  return memoText(kept);
}

void ShowLogSearch(ui::WindowSystem& windows, ui::Form& owner,
                   CurrentDialog& current, const ButtonAction& onButton) {
  RunTimeDialog dialog(windows, owner, current,
                       {"Поиск в логе", 540, 240, true});
  constexpr int kClientHeight = 240 - 34;  // without caption and border
  ui::Edit& results = dialog.memo({10, 40, 520, kClientHeight - 40});
  results.setReadOnly(true);
  // The results follow the dialog's size on all four sides.
  dialog.window().onResize = [&results](int width, int height) {
    results.setBounds({10, 40, width - 20, height - 40});
  };
  dialog.label(10, 10, "Текст для поиска:");
  dialog.edit(EditRole::edit1, {150, 10, 100, 21});
  dialog.button("FindBut", "Поиск!", {260, 10, 100, 25}, onButton, false);
  dialog.button("FindInBut", "Поиск в найденном", {370, 10, 130, 25}, onButton,
                false);
  dialog.showModal();
}

void LogSearchButton(const ui::Button& button, const CurrentDialog& current,
                     std::string_view logPath) {
  ui::Edit& results = *current.memo;
  const std::string text = current.edit1->text();
  if (button.name() == "FindBut")
    results.setText(memoText(SearchLog(logPath, text)));
  else if (button.name() == "FindInBut")
    results.setText(NarrowResults(results.text(), text));
}

}  // namespace ov::admin
