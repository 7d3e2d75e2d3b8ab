// The settings page: its controls with the values they have before the
// configuration is applied.
#include "app/form1.h"
#include "platform/hot_key_word.h"

namespace ov {

namespace {

constexpr uint16_t kVkF11 = 122;
constexpr uint16_t kVkA = 'A';

}  // namespace

// The left column fits the page at the window's default size.
void TForm1::buildSettingsPage(ui::Container& page) {
  ui::WindowSystem& ws = services_.windows;
  auto box = [&](const char* name, int x, int y, int width, const char* caption,
                 const char* hint, bool checked) {
    return &ws.createCheckBox(page, {name, {x, y, width, 17}, caption, hint},
                              checked);
  };
  auto label = [&](const char* name, int x, int y, const char* caption) {
    ws.createLabel(page, {name, {x, y, 150, 13}, caption, ""});
  };

  mochilkabox = box("mochilkabox", 8, 8, 170, "Мочить по простою (мин)",
                    "Время простоя в минутах, через которое простаивающее "
                    "соединение будет закрыто",
                    false);
  kicktime = &ws.createSpinEdit(
      page, {{"kicktime", {185, 6, 60, 21}, "", ""}, 0, 360, 1, 0});
  SecurityCB1 = box("SecurityCB1", 8, 30, 240, "Закрывать всем доступ к файлам",
                    "Запрещает пользователям открывать файлы (реально может "
                    "только помешать скопировать с вас что-то большое)",
                    false);
  cb_denyf =
      box("cb_denyf", 8, 52, 170, "Огран. открытые файлы",
          "Ограничивать число одновременно доступных из сети файлов", true);
  n_denyf = &ws.createSpinEdit(
      page, {{"n_denyf", {185, 50, 60, 21}, "", ""}, 0, 1000, 1, 30});
  Close_minim = box("Close_minim", 8, 74, 240, "Сворачивать по крестику",
                    "При на жатии на крестик в правом верхнем углу форма "
                    "будет сворачиваться в трей, а не закрываться",
                    true);
  AutoRun = box("AutoRun", 8, 96, 240, "Автозапуск с системой",
                "Запускать программу вместе с windows", false);
  label("lb_server", 8, 122, "Имя сервера:");
  Edit1 = &ws.createEdit(page,
                         {"Edit1",
                          {100, 118, 145, 21},
                          "",
                          "Имя компьютера, за которым производить наблюдение"});
  label("lb_refresh", 8, 146, "Таймер обновления (мсек):");
  tobnovl = &ws.createSpinEdit(
      page, {{"tobnovl", {165, 142, 80, 21}, "", ""}, 100, 60000, 100, 1000});
  label("lb_hk1", 8, 170, "Всплывать при нажатии");
  hk1 = &ws.createHotKey(page, {"hk1", {165, 166, 80, 21}, "", ""},
                         kHotKeyWordAlt | kVkF11);
  label("lb_hk2", 8, 194, "Мочить всех");
  hk2 = &ws.createHotKey(page, {"hk2", {165, 190, 80, 21}, "", ""},
                         kHotKeyWordAlt | kVkA);
  b_reghk = &ws.createButton(
      page, {"b_reghk",
             {8, 214, 237, 22},
             "Сохранить",
             "Сохранить выбранные параметры конфигурации/применить горячие "
             "клавиши"});
  Button111 = &ws.createButton(
      page, {"Button111",
             {8, 238, 237, 22},
             "Приостановить службу сервера",
             "При приостановке службы сервера доступ из сети сохраняется "
             "только для \"Администраторов\" и \"Операторов сервера\""});

  logbox = box("logbox", 270, 8, 150, "Вести лог", "", true);
  t_log = &ws.createEdit(
      page,
      {"t_log", {270, 28, 290, 21}, "", "Двойной клик для открытия лога"});
  cb_ignorelocal =
      box("cb_ignorelocal", 270, 56, 290, "Не логить локальные подключения",
          "Не вести лог по подключениям, произведенным с этого компьютера на "
          "самого себя",
          false);
  cb_logsys = box("cb_logsys", 270, 80, 290, "Не логить пайпы",
                  "Не записывать в лог подключения к пайпам (принтер, службы "
                  "и т.п.)",
                  false);
  cb_kickpipe = box(
      "cb_kickpipe", 270, 104, 290, "Закр.доступ к пайпам (принтеру, и пр.)",
      "Запрещает печать на локальном принтере и обращение к некоторым службам",
      false);
  cb_lognullconn =
      box("cb_lognullconn", 270, 128, 290, "Не логить пустые подключения",
          "Не вести лог подключения, если во время него не открывались файлы",
          false);
  cb_connsound =
      box("cb_connsound", 270, 152, 290, "Звук при подключении",
          "Проигрывает файл connect.wav из папки с программой", false);
  cb_conninfo = box("cb_conninfo", 270, 176, 290, "Информировать о соединениях",
                    "Выводить \"баллоны\" с инфой о подключившемся", false);
  cb_cleantable = box("cb_cleantable", 270, 200, 290, "Очищать соединения",
                      "Очищать таблицу соединений во вкладке \"Подключения\" "
                      "при отсутствии соединений",
                      false);
  connectSettingsHandlers();
}

void TForm1::buildSecurityPage(ui::Container& page) {
  ui::WindowSystem& ws = services_.windows;
  PageControl1 =
      &ws.createPageControl(page, {{"PageControl1", {0, 0, 564, 266}, "", ""},
                                   {"По категориям", "Универсальные"}});
  buildNameLists(PageControl1->page(0));
  cb_rules = &ws.createCheckBox(
      PageControl1->page(1),
      {"cb_rules", {8, 8, 300, 17}, "Включить универсальные правила", ""},
      false);
  buildRulesPage(PageControl1->page(1));
}

}  // namespace ov
