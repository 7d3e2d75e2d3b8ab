#include "app/name_list_file.h"

#include <string>

#include "platform/text/text_file.h"

namespace ov {

void LoadListBox(ui::ListBox& list, std::string_view path,
                 std::size_t maxLines) {
  const std::optional<std::string> text = readTextFile(path);
  if (!text) return;
  std::string_view rest = *text;
  // A last line without a line end is a line too; nothing after the last
  // line end is not.
  for (std::size_t read = 0; read < maxLines && !rest.empty(); ++read) {
    const std::size_t end = rest.find('\n');
    list.addItem(std::string(rest.substr(0, end)));
    rest = end == std::string_view::npos ? std::string_view()
                                         : rest.substr(end + 1);
  }
}

int SaveListBox(const ui::ListBox& list, std::string_view path) {
  std::string text;
  for (int i = 0; i < list.count(); ++i) {
    text += list.item(i);
    text += '\n';
  }
  return writeTextFile(path, text) ? 0 : -1;
}

}  // namespace ov
