#include <gtest/gtest.h>

#include "platform/headless/ui_driver.h"
#include "platform/headless/window_system.h"

namespace ov::headless {
namespace {

TEST(HeadlessChoices, ProgramChoicesAreSilentUserChoicesRunTheHandlers) {
  WindowSystem ws;
  ui::Form& form = ws.createForm({"Form1", {}, "Orvane", ""});
  ui::ComboBox& combo = ws.createComboBox(
      form, {{"cb_actions", {}, "", ""}, {"Нет", "Звук", "Текст"}, -1});
  ui::RadioGroup& radio =
      ws.createRadioGroup(form, {{"rg1", {}, "Использовать обработку", ""},
                                 {"Один раз", "Постоянно"},
                                 1});
  int comboChanges = 0, radioClicks = 0;
  combo.onChange = [&] { ++comboChanges; };
  radio.onClick = [&] { ++radioClicks; };

  combo.setItemIndex(2);
  EXPECT_EQ(combo.text(), "Текст");
  combo.setText("Звук");
  EXPECT_EQ(combo.itemIndex(), 1);
  combo.setText("чужое");
  EXPECT_EQ(combo.itemIndex(), -1);
  radio.setItemIndex(0);
  EXPECT_EQ(comboChanges + radioClicks, 0);

  UiDriver driver(ws);
  EXPECT_EQ(driver.check({"combo", "cb_actions", "1"}), "");
  EXPECT_EQ(driver.check({"radio", "cb_actions", "1"}),
            "'cb_actions' cannot take 'ui radio'");
  driver.apply({"combo", "cb_actions", "0"});
  driver.apply({"text", "cb_actions", "Текст"});
  driver.apply({"radio", "rg1", "1"});
  EXPECT_EQ(comboChanges, 2);
  EXPECT_EQ(combo.itemIndex(), 2);
  EXPECT_EQ(radioClicks, 1);
  EXPECT_EQ(radio.itemIndex(), 1);

  EXPECT_NE(
      ws.registry().dump().find(
          "\"rg1\": {\"kind\": \"radiogroup\", \"enabled\": true, "
          "\"visible\": true, \"caption\": \"Использовать обработку\", "
          "\"items\": [\"Один раз\", \"Постоянно\"], \"index\": 1, \"bounds\""),
      std::string::npos);
}

TEST(HeadlessDialogs, MessageBoxesAnswerOkAndInputBoxesTakeQueuedAnswers) {
  uint64_t ms = 0;
  Journal journal([&] { return ms; });
  WindowSystem ws;
  ws.setJournal(&journal);
  UiDriver driver(ws);

  EXPECT_EQ(ws.messageBox(nullptr, "Такое имя уже присутствует в списке",
                          "Внимание", ui::MB_OK),
            ui::IDOK);
  driver.apply({"answer", "pc7"});
  EXPECT_EQ(ws.inputBox("Добавить в лист", "Введите имя компьютера", ""),
            "pc7");
  EXPECT_EQ(ws.inputBox("Добавить в лист", "Введите имя компьютера", ""),
            std::nullopt);
  const std::vector<std::string> expected = {
      "{\"t\": 0.000, \"call\": \"MessageBox\", \"args\": [\"Внимание\", "
      "\"Такое имя уже присутствует в списке\", 0]}",
      "{\"t\": 0.000, \"call\": \"InputBox\", \"args\": [\"Добавить в лист\", "
      "\"Введите имя компьютера\", \"pc7\"]}",
      "{\"t\": 0.000, \"call\": \"InputBox\", \"args\": [\"Добавить в лист\", "
      "\"Введите имя компьютера\", null]}"};
  EXPECT_EQ(journal.lines(), expected);
}

}  // namespace
}  // namespace ov::headless
