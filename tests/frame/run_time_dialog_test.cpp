// The run-time dialog builder and the dialog button handler, proved with a
// test dialog that holds one control of each role and every tool's button,
// driven by the scenario's dialog verbs while it is shown modally.
#include "admin/run_time_dialog.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "lan_form.h"
#include "tests/support/contains.h"

namespace ov::test {
namespace {

// What each branch saw of the dialog's controls when it ran.
struct BranchLog {
  std::vector<std::string> runs;
};

admin::DialogBranches recordingBranches(TForm1& form, BranchLog& log) {
  admin::CurrentDialog& current = form.toolDialogs().currentDialog;
  return {
      [&] { log.runs.push_back("send " + current.memo->text()); },
      [&] {
        log.runs.push_back("ping " + current.edit2->text());
        // The pinger's timeout conversion fails on a non-number.
        (void)std::stoi(current.edit2->text());
      },
      [&] { log.runs.push_back("browse"); },
      [&] { log.runs.push_back("add " + current.edit1->text()); },
      [&] {
        log.runs.push_back("traffic " + current.combo->text() + " " +
                           std::to_string(current.check->checked()));
      },
      [&] {
        log.runs.push_back("modify " + current.path->text() + " " +
                           std::to_string(current.spin->value()));
      },
  };
}

// Every button of the tool dialogs, all served by the form's handler.
bool showTestDialog(LanForm& lan, std::string& dumpInside) {
  TForm1& form = lan.form();
  admin::RunTimeDialog dialog(lan.windows(), form.window(),
                              form.toolDialogs().currentDialog,
                              {"Тест", 300, 200});
  dialog.label(5, 5, "Имя:");
  dialog.edit(admin::EditRole::edit1, {50, 5, 100, 21});
  dialog.edit(admin::EditRole::edit2, {50, 30, 100, 21}, "1000");
  dialog.edit(admin::EditRole::path, {50, 55, 100, 21});
  dialog.spin({50, 80, 60, 21}, 0, 10, 3);
  dialog.combo({50, 105, 100, 21}, {"lo", "eth0"}, 0);
  dialog.memo({160, 5, 130, 60});
  dialog.check({160, 70, 130, 17}, "Вести лог", false);
  const auto handler = [&form](ui::Button& b) { form.DialogButtonClick(b); };
  int left = 5;
  for (const auto& [name, caption, closes] :
       {std::tuple{"b_send", "Отправить", false},
        {"b_ping", "Пинг", false},
        {"b_browse", "...", false},
        {"b_add", "Добавить", false},
        {"TrOk", "Ok", true},
        {"editr", "Применить", true}})
    dialog.button(name, caption, {left += 45, 170, 40, 25}, handler, closes);
  dialog.button(
      "b_peek", "Снимок", {5, 140, 60, 25},
      [&](ui::Button&) { dumpInside = lan.windows().dump(); }, false);
  return dialog.showModal();
}

TEST(RunTimeDialog, ButtonsReachTheHandlerInOrderAndTheDialogGoesWhenClosed) {
  LanForm lan(
      "0 connect PC1 ivan\n"
      "2 connect PC2 petr\n"
      "2 ui dialog memo Привет\n"
      "2 ui dialog click Отправить\n"
      "2 ui dialog click b_browse\n"
      "3 ui dialog edit1 docs\n"
      "3 ui dialog click Добавить\n"
      "3 ui dialog edit2 abc\n"
      "3 ui dialog click Пинг\n"
      "4 ui dialog click Снимок\n"
      "5 ui dialog path C:\\Temp\n"
      "5 ui dialog spin 7\n"
      "5 ui dialog click editr\n");
  BranchLog log;
  lan.form().toolDialogs().dialogBranches = recordingBranches(lan.form(), log);
  lan.runUntil(1);
  std::string inside;
  EXPECT_TRUE(showTestDialog(lan, inside));

  // Each button ran its own branch only; "Применить" named editr closed the
  // dialog with the OK result.
  EXPECT_EQ(log.runs,
            (std::vector<std::string>{"send Привет", "browse", "add docs",
                                      "ping abc", "modify C:\\Temp 7"}));
  // The failed conversion was shown in an error box and the dialog stayed.
  ASSERT_EQ(lan.calls("MessageBox").size(), 1u);
  EXPECT_TRUE(contains(lan.calls("MessageBox")[0], "\"Orvane\", \"stoi\", 16"))
      << lan.calls("MessageBox")[0];
  // The monitor went on ticking while the dialog was open: the client of
  // 2 s is in the grid by 4 s.
  EXPECT_TRUE(contains(inside, R"(["PC2", "petr", )")) << inside;

  EXPECT_TRUE(contains(inside, R"("dialog": {"kind": "dialog", )"));
  EXPECT_TRUE(contains(inside, R"("caption": "Тест", "opacity": 255, )"));
  EXPECT_TRUE(contains(
      inside, R"({"kind": "edit", "role": "edit1", "name": "", )"
              R"("enabled": true, "visible": true, "text": "docs", "bounds")"))
      << inside;
  EXPECT_TRUE(contains(inside,
                       R"("role": "memo", "name": "", "enabled": true, )"
                       R"("visible": true, "text": "Привет", )"
                       R"("lines": ["Привет"], "bounds")"))
      << inside;
  EXPECT_TRUE(contains(inside,
                       R"({"kind": "button", "role": null, )"
                       R"("name": "TrOk", "enabled": true, )"
                       R"("visible": true, "caption": "Ok", "bounds")"));

  // Taken apart: no reference is left and the dump has no dialog.
  const admin::CurrentDialog& current = lan.form().toolDialogs().currentDialog;
  EXPECT_EQ(current.window, nullptr);
  EXPECT_EQ(current.edit1, nullptr);
  EXPECT_EQ(current.edit2, nullptr);
  EXPECT_EQ(current.path, nullptr);
  EXPECT_EQ(current.spin, nullptr);
  EXPECT_EQ(current.combo, nullptr);
  EXPECT_EQ(current.memo, nullptr);
  EXPECT_EQ(current.check, nullptr);
  EXPECT_EQ(lan.windows().shownDialog(), nullptr);
  EXPECT_FALSE(contains(lan.windows().dump(), "\"dialog\""));
}

TEST(RunTimeDialog, TrafficOkStoresAndClosesTheCloseBoxGivesNoResult) {
  LanForm lan(
      "2 ui dialog combo eth0\n"
      "2 ui dialog check 1\n"
      "2 ui dialog click TrOk\n"
      "4 ui dialog close\n");
  BranchLog log;
  lan.form().toolDialogs().dialogBranches = recordingBranches(lan.form(), log);
  lan.runUntil(1);
  std::string inside;
  EXPECT_TRUE(showTestDialog(lan, inside));
  EXPECT_EQ(log.runs, std::vector<std::string>{"traffic eth0 1"});
  // The next one is closed by its close box: no branch, no OK result.
  EXPECT_FALSE(showTestDialog(lan, inside));
  EXPECT_EQ(log.runs.size(), 1u);
  EXPECT_EQ(lan.form().toolDialogs().currentDialog.window, nullptr);
}

}  // namespace
}  // namespace ov::test
