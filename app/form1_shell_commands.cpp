// What the program hands to the shell: the two logs, the help file, a
// client computer's shares and the folder of an open file.
#include "admin/open_folder.h"
#include "app/form1.h"
#include "app/grid_selection.h"
#include "app/program_path.h"

namespace ov {

void TForm1::N25Click() {
  services_.shell.ShellExecute(std::nullopt, t_log->text());
}

void TForm1::N27Click() {
  services_.shell.ShellExecute(std::nullopt, TrafficLogPath());
}

void TForm1::mnu_helpClick() {
  // From the program's folder: started at logon or from a shortcut, the
  // program's working folder is not where it was installed.
  services_.shell.ShellExecute(
      "open", ProgramFilePath(services_.programDir, "help.chm"));
}

void TForm1::N9Click() {
  const std::string& client = SelectedCell(*st_conns, 0);
  // An empty row names no computer.
  if (client.empty()) return;
  services_.shell.ShellExecute(std::nullopt, "\\\\" + client);
}

void TForm1::mi_openpathClick() {
  const std::string folder = admin::FolderToOpen(SelectedCell(*st_files, 4));
  if (!folder.empty()) services_.shell.ShellExecute("explore", folder);
}

}  // namespace ov
