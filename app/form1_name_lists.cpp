// The computer and user lists: their groups on the security page, their
// files beside the program, and the commands that edit them from the lists'
// own menu and from the grids' menus.
#include "app/form1.h"
#include "app/grid_selection.h"
#include "app/name_list_file.h"
#include "app/program_path.h"

namespace ov {

namespace {

constexpr std::string_view kComputersFile = "users";
constexpr std::string_view kUsersFile = "usrnames";
// Lines read from each file at start.
constexpr std::size_t kComputersRead = 256;
constexpr std::size_t kUsersRead = 257;
// "Добавить" takes names only while a list holds fewer.
constexpr int kAddLimit = 10;

constexpr const char* kKickComputers = "Мочить компьютеры:";
constexpr const char* kSpareComputers = "Не мочить компьютеры:";

}  // namespace

void TForm1::buildNameLists(ui::Container& page) {
  ui::WindowSystem& ws = services_.windows;
  gb_kickcomputers = &ws.createGroupBox(
      page, {"gb_kickcomputers", {5, 5, 270, 226}, kKickComputers, ""});
  ListBox1 = &ws.createListBox(*gb_kickcomputers,
                               {"ListBox1", {8, 16, 254, 160}, "", ""});
  sec_logic = &ws.createCheckBox(
      *gb_kickcomputers,
      {"sec_logic",
       {8, 184, 120, 17},
       "Инв. логика",
       "Меняет логику отключения: доступ разрешается/запрещается только для "
       "компов в данном списке"},
      false);
  save1but = &ws.createButton(
      *gb_kickcomputers, {"save1but", {172, 182, 90, 23}, "Сохранить", ""});

  gb_kickusers = &ws.createGroupBox(
      page, {"gb_kickusers", {280, 5, 270, 226}, "Мочить пользователей:", ""});
  ListBox2 =
      &ws.createListBox(*gb_kickusers, {"ListBox2", {8, 16, 254, 160}, "", ""});
  save2 = &ws.createButton(*gb_kickusers,
                           {"save2", {172, 182, 90, 23}, "Сохранить", ""});

  PopupMenu4 = &ws.createMenu("PopupMenu4", true);
  N7 = &PopupMenu4->addItem(nullptr, {"N7", "Добавить", ""});
  N8 = &PopupMenu4->addItem(nullptr, {"N8", "Удалить", ""});
  ListBox1->setPopupMenu(PopupMenu4);
  ListBox2->setPopupMenu(PopupMenu4);

  sec_logic->onClick = [this] { sec_logicClick(); };
  save1but->onClick = [this] { save1butClick(); };
  save2->onClick = [this] { save2Click(); };
  N7->onClick = [this] { N7Click(); };
  N8->onClick = [this] { N8Click(); };
}

std::string TForm1::NameListPath(std::string_view name) const {
  return ProgramFilePath(services_.programDir, name);
}

void TForm1::LoadNameLists() {
  LoadListBox(*ListBox1, NameListPath(kComputersFile), kComputersRead);
  LoadListBox(*ListBox2, NameListPath(kUsersFile), kUsersRead);
}

void TForm1::save1butClick() {
  if (SaveListBox(*ListBox1, NameListPath(kComputersFile)) != 0)
    services_.windows.messageBox(Form1, "Не удалось записать файл users",
                                 "Ошибка", ui::MB_ICONWARNING);
  SaveAllSettings();
}

void TForm1::save2Click() {
  if (SaveListBox(*ListBox2, NameListPath(kUsersFile)) != 0)
    services_.windows.messageBox(Form1, "Не удалось записать файл usrnames",
                                 "Ошибка", ui::MB_ICONWARNING);
}

void TForm1::sec_logicClick() {
  const std::string caption =
      sec_logic->checked() ? kSpareComputers : kKickComputers;
  gb_kickcomputers->setCaption(caption);
  N6->setCaption("Добавить в '" + caption + "'");
}

ui::ListBox* TForm1::namesMenuList() const {
  return dynamic_cast<ui::ListBox*>(PopupMenu4->popupComponent());
}

void TForm1::N7Click() {
  ui::ListBox* opened = namesMenuList();
  if (!opened) return;
  ui::ListBox& list = *opened;
  const char* prompt =
      &list == ListBox2 ? "Введите имя пользователя" : "Введите имя компьютера";
  const std::string name = services_.locale.upperCase(
      services_.windows.inputBox("Добавить в лист", prompt, "").value_or(""));
  if (!name.empty() && list.count() < kAddLimit) list.addItem(name);
  // One item serves both lists, and stays off for the rest of the run.
  if (list.count() == kAddLimit) N7->setEnabled(false);
}

void TForm1::N8Click() {
  ui::ListBox* list = namesMenuList();
  if (list && list->selected() >= 0) list->deleteItem(list->selected());
}

void TForm1::addNameOnce(ui::ListBox& list, const std::string& name) {
  const std::string wanted = services_.locale.upperCase(name);
  for (int i = 0; i < list.count(); ++i) {
    if (services_.locale.upperCase(list.item(i)) == wanted) {
      services_.windows.messageBox(nullptr,
                                   "Такое имя уже присутствует в списке",
                                   "Внимание", ui::MB_OK);
      return;
    }
  }
  list.addItem(name);
}

void TForm1::N6Click() {
  const std::string client = SelectedCell(*st_conns, 0);
  if (client.empty()) return;
  addNameOnce(*ListBox1, client);
  save1butClick();
}

void TForm1::N47Click() {
  const std::string user = SelectedCell(*st_conns, 1);
  if (user.empty()) return;
  addNameOnce(*ListBox2, user);
  save2Click();
}

void TForm1::N26Click() {
  const std::string user = SelectedCell(*st_files, 0);
  if (user.empty()) return;
  ListBox2->addItem(user);
  save2Click();
}

}  // namespace ov
