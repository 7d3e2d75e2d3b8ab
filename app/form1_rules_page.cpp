// The tab "Универсальные" of the security page: the rules list, the rule
// editor and its handlers.
#include "app/form1.h"
#include "app/program_path.h"
#include "monitor/rule.h"

namespace ov {

namespace {

template <size_t N>
std::vector<std::string> texts(const std::array<std::string_view, N>& items) {
  return {items.begin(), items.end()};
}

// A combo box with nothing chosen stores "no choice".
uint8_t choiceOf(const ui::ComboBox& combo) {
  const int index = combo.itemIndex();
  return index < 0 ? monitor::kNoChoice : static_cast<uint8_t>(index);
}

constexpr int kUseOnceItem = 0;
constexpr int kUseAlwaysItem = 1;

}  // namespace

void TForm1::buildRulesPage(ui::Container& page) {
  ui::WindowSystem& ws = services_.windows;
  auto label = [&](const char* name, int x, int y, int width,
                   const char* caption) {
    return &ws.createLabel(page, {name, {x, y, width, 13}, caption, ""});
  };
  lv_rules = &ws.createListView(page, {{"lv_rules", {8, 28, 540, 110}, "", ""},
                                       {{"IP", 120},
                                        {"Событие", 100},
                                        {"Параметр", 95},
                                        {"Действие", 110},
                                        {"Использовать", 90}}});
  lv_rules->onDblClick = [this] { lv_rulesDblClick(); };

  label("lb_user", 8, 148, 55, "Адрес:");
  t_user = &ws.createEdit(page, {"t_user",
                                 {65, 144, 110, 21},
                                 "",
                                 "IP-адрес клиента или * для всех адресов"});
  label("lb_event", 185, 148, 52, "Событие:");
  cb_event = &ws.createComboBox(
      page,
      {{"cb_event", {240, 144, 190, 21}, "", ""}, texts(monitor::kEventTexts)});
  t_parame = &ws.createEdit(
      page, {"t_parame",
             {435, 144, 113, 21},
             "",
             "Параметр события: расширение файла или число секунд"});

  label("lb_action", 8, 175, 55, "Действие:");
  cb_actions =
      &ws.createComboBox(page, {{"cb_actions", {65, 171, 225, 21}, "", ""},
                                texts(monitor::kActionTexts)});
  cb_actions->onChange = [this] { cb_actionsChange(); };
  // The action's parameter on the buttons' row: the actions' long texts
  // take the row above.
  lb_param = label("lb_param", 265, 208, 56, "Параметр:");
  t_param = &ws.createEdit(page, {"t_param", {322, 204, 76, 21}, "", ""});

  rg1 = &ws.createRadioGroup(
      page, {{"rg1", {402, 169, 146, 62}, "Использовать обработку", ""},
             {std::string(monitor::kUseOnceText),
              std::string(monitor::kUseAlwaysText)},
             kUseAlwaysItem});
  b_addrule =
      &ws.createButton(page, {"b_addrule", {65, 204, 90, 23}, "Добавить", ""});
  b_addrule->onClick = [this] { b_addruleClick(); };
  b_delrule =
      &ws.createButton(page, {"b_delrule", {165, 204, 90, 23}, "Удалить", ""});
  b_delrule->onClick = [this] { b_delruleClick(); };
}

std::string TForm1::RulesPath() const {
  return ProgramFilePath(services_.programDir, "rules");
}

void TForm1::b_addruleClick() {
  monitor::Rule rule;
  rule.address = t_user->text();
  rule.event = choiceOf(*cb_event);
  rule.action = choiceOf(*cb_actions);
  rule.use = rg1->itemIndex() == kUseOnceItem ? monitor::kUseOnce
                                              : monitor::kUseAlways;
  rule.actionParam = t_param->text();
  rule.eventParam = t_parame->text();
  rules->add(rule);  // a 65th rule is refused
}

void TForm1::b_delruleClick() {
  const int row = lv_rules->selected();
  if (row >= 0) rules->remove(static_cast<size_t>(row));
}

void TForm1::lv_rulesDblClick() {
  const int row = lv_rules->selected();
  if (row < 0) return;
  const ui::ListItem& item = lv_rules->item(row);
  t_user->setText(item.caption);
  cb_event->setText(item.subItems.at(0));
  t_param->setText(item.subItems.at(1));
  cb_actions->setText(item.subItems.at(2));
}

void TForm1::cb_actionsChange() {
  switch (cb_actions->itemIndex()) {
    case monitor::kActionDisconnect:
      lb_param->setCaption("Нет");
      break;
    case monitor::kActionPlaySound:
      lb_param->setCaption("Имя файла:");
      t_param->setText("sound1.wav");
      break;
    case monitor::kActionWarn:
      lb_param->setCaption("Текст:");
      break;
  }
}

}  // namespace ov
