// What the program hands to the shell: the two logs, the help file, a
// client computer's shares and the folder of an open file.
#include "app/form1.h"
#include "app/grid_selection.h"

namespace ov {

namespace {

// A longer folder would be cut into another one; it is not opened.
constexpr std::size_t kFolderChars = 199;

}  // namespace

void TForm1::N25Click() {
  services_.shell.ShellExecute(std::nullopt, t_log->text());
}

void TForm1::N27Click() {
  services_.shell.ShellExecute(std::nullopt, TrafficLogPath());
}

void TForm1::mnu_helpClick() {
  services_.shell.ShellExecute("open", "help.chm");
}

void TForm1::N9Click() {
  const std::string& client = SelectedCell(*st_conns, 0);
  // An empty row names no computer.
  if (client.empty()) return;
  services_.shell.ShellExecute(std::nullopt, "\\\\" + client);
}

void TForm1::mi_openpathClick() {
  const std::string& path = SelectedCell(*st_files, 4);
  const std::size_t end = path.find_last_of("\\:");
  if (end == std::string::npos || end + 1 > kFolderChars) return;
  services_.shell.ShellExecute("explore", path.substr(0, end + 1));
}

}  // namespace ov
