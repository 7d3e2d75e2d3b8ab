// The rule editor on the tab "Универсальные": adding, deleting, copying a
// rule back into the editor, and what the list and the file show.
#include <gtest/gtest.h>

#include "rules_lan.h"

namespace ov::test {
namespace {

using Strings = std::vector<std::string>;

// Fills the editor and presses "Добавить" as a user does.
void addRule(TForm1& form, const std::string& address, int event,
             const std::string& eventParam, int action,
             const std::string& actionParam, int useItem) {
  form.securityPage().t_user.setText(address);
  form.securityPage().cb_event.setItemIndex(event);
  form.securityPage().t_parame.setText(eventParam);
  form.securityPage().cb_actions.setItemIndex(action);
  form.securityPage().cb_actions.onChange();
  form.securityPage().t_param.setText(actionParam);
  form.securityPage().rg1.setItemIndex(useItem);
  form.securityPage().b_addrule.click();
}

TEST(RulesEditor, TheTabOffersTheEventsActionsAndUses) {
  LanForm lan("", programOptions({}));
  TForm1& form = lan.form();
  EXPECT_EQ(form.securityPage().cb_event.items(),
            (Strings{"Подключился", "Открыл файл c расширением",
                     "Время соединения = (сек)"}));
  EXPECT_EQ(form.securityPage().cb_actions.items(),
            (Strings{"Отключить пользователя", "Проиграть звук",
                     "Вывести на экран предупреждение"}));
  EXPECT_EQ(form.securityPage().rg1.caption(), "Использовать обработку");
  EXPECT_EQ(form.securityPage().rg1.items(),
            (Strings{"Один раз", "Постоянно"}));
  EXPECT_EQ(form.securityPage().rg1.itemIndex(), 1);
  Strings columns;
  for (const ui::ListColumn& column : form.securityPage().lv_rules.columns())
    columns.push_back(column.caption);
  EXPECT_EQ(columns,
            (Strings{"IP", "Событие", "Параметр", "Действие", "Использовать"}));
  EXPECT_EQ(form.securityPage().lv_rules.columns().front().width, 120);
  EXPECT_EQ(form.securityPage().lv_rules.columns().back().width, 90);
  EXPECT_EQ(form.securityPage().b_addrule.caption(), "Добавить");
  EXPECT_EQ(form.securityPage().b_delrule.caption(), "Удалить");

  // The label in front of the action's parameter follows the action.
  form.securityPage().cb_actions.setItemIndex(1);
  form.securityPage().cb_actions.onChange();
  EXPECT_EQ(form.securityPage().lb_param.caption(), "Имя файла:");
  EXPECT_EQ(form.securityPage().t_param.text(), "sound1.wav");
  form.securityPage().cb_actions.setItemIndex(2);
  form.securityPage().cb_actions.onChange();
  EXPECT_EQ(form.securityPage().lb_param.caption(), "Текст:");
  form.securityPage().cb_actions.setItemIndex(0);
  form.securityPage().cb_actions.onChange();
  EXPECT_EQ(form.securityPage().lb_param.caption(), "Нет");
  EXPECT_EQ(form.securityPage().t_param.text(), "sound1.wav");
}

TEST(RulesEditor, AddedRulesActAndAreWrittenAtExit) {
  LanForm lan(
      "0 host PC1 10.0.0.11\n"
      "3 connect PC1 ivan\n"
      "5 connect PC1 petr\n",
      programOptions(
          {.rulesFile = cp1251("0\r\n2\r\n*\r\nстарое\r\nx\r\n255\r\n")}));
  TForm1& form = lan.form();
  addRule(form, "10.0.0.11", 0, "", 2, "Внимание", 0);
  addRule(form, "192.168.100.200x", 1, "doc", 1, "ding.wav", 1);
  addRule(form, "*", -1, "", 2, "ничего", 1);

  // A loaded rule shows its event parameter after the event; an added one
  // the event alone. Nothing chosen shows as empty text.
  const ui::ListView& list = form.securityPage().lv_rules;
  ASSERT_EQ(list.count(), 4);
  EXPECT_EQ(listViewRow(list, 0),
            (Strings{"*", "Подключился x", "старое",
                     "Вывести на экран предупреждение", "Постоянно"}));
  EXPECT_EQ(listViewRow(list, 1),
            (Strings{"10.0.0.11", "Подключился", "Внимание",
                     "Вывести на экран предупреждение", "Один раз"}));
  EXPECT_EQ(listViewRow(list, 2),
            (Strings{"192.168.100.200", "Открыл файл c расширением", "ding.wav",
                     "Проиграть звук", "Постоянно"}));
  EXPECT_EQ(listViewRow(list, 3),
            (Strings{"*", "", "ничего", "Вывести на экран предупреждение",
                     "Постоянно"}));

  lan.runUntil(6);
  // The rule with no event never acts; the once-rule acts for the first
  // connection only.
  EXPECT_EQ(lan.calls("MessageBox"), (Strings{warning("10.0.0.11", "старое"),
                                              warning("10.0.0.11", "Внимание"),
                                              warning("10.0.0.11", "старое")}));
  form.window().close();
  EXPECT_EQ(fileBytes(lan.programDir() / "rules"),
            cp1251("0\r\n2\r\n*\r\nстарое\r\nx\r\n255\r\n"
                   "1\r\n1\r\n192.168.100.200\r\nding.wav\r\ndoc\r\n255\r\n"
                   "255\r\n2\r\n*\r\nничего\r\n\r\n255\r\n"));
}

TEST(RulesEditor, TheTableHoldsSixtyFourRules) {
  LanForm lan("", programOptions({}));
  TForm1& form = lan.form();
  for (int i = 0; i < 65; ++i)
    addRule(form, "10.0.0." + std::to_string(i), 0, "", 2, "", 1);
  EXPECT_EQ(form.securityPage().lv_rules.count(), 64);
  EXPECT_EQ(form.monitorParts().rules.count(), 64u);
  EXPECT_EQ(form.securityPage().lv_rules.item(63).caption, "10.0.0.63");
}

TEST(RulesEditor, DeletingAndCopyingWorkOnTheSelectedRow) {
  LanForm lan("", programOptions({.rulesFile = ruleRecord(1, 1, "10.0.0.5",
                                                          "a.wav", "xls", 1)}));
  TForm1& form = lan.form();
  addRule(form, "10.0.0.6", 2, "30", 2, "Пора", 1);
  addRule(form, "10.0.0.7", 0, "", 0, "", 1);

  // Nothing selected: nothing happens.
  form.securityPage().b_delrule.click();
  form.securityPage().lv_rules.onDblClick();
  EXPECT_EQ(form.securityPage().lv_rules.count(), 3);
  EXPECT_EQ(form.securityPage().t_user.text(), "10.0.0.7");

  form.securityPage().lv_rules.setSelected(1);
  form.securityPage().lv_rules.onDblClick();
  EXPECT_EQ(form.securityPage().t_user.text(), "10.0.0.6");
  EXPECT_EQ(form.securityPage().cb_event.text(), "Время соединения = (сек)");
  EXPECT_EQ(form.securityPage().cb_event.itemIndex(), 2);
  EXPECT_EQ(form.securityPage().t_param.text(), "Пора");
  EXPECT_EQ(form.securityPage().cb_actions.itemIndex(), 2);

  // A loaded row's event column names no item of the event list.
  form.securityPage().lv_rules.setSelected(0);
  form.securityPage().lv_rules.onDblClick();
  EXPECT_EQ(form.securityPage().t_user.text(), "10.0.0.5");
  EXPECT_EQ(form.securityPage().cb_event.text(),
            "Открыл файл c расширением xls");
  EXPECT_EQ(form.securityPage().cb_event.itemIndex(), -1);
  EXPECT_EQ(form.securityPage().t_param.text(), "a.wav");
  EXPECT_EQ(form.securityPage().cb_actions.text(), "Проиграть звук");

  form.securityPage().lv_rules.setSelected(1);
  form.securityPage().b_delrule.click();
  ASSERT_EQ(form.securityPage().lv_rules.count(), 2);
  EXPECT_EQ(form.securityPage().lv_rules.item(1).caption, "10.0.0.7");
  EXPECT_EQ(form.monitorParts().rules.rule(1).address, "10.0.0.7");
}

}  // namespace
}  // namespace ov::test
