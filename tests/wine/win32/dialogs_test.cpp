// The input box: a modal window the user types an answer into, or the
// answer a scenario queued for it.
#include "tests/wine/win32/win32_test.h"

namespace ov::win32 {
namespace {

// What the user does once the box is open, from a timer of its loop.
std::wstring typed;
enum class Cancel { no, closeBox, button } cancel = Cancel::no;
bool cancelButtonFound = false;

void CALLBACK answerTheBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowW(kPanelClass, L"Добавить компьютер");
  if (!box) return;
  KillTimer(nullptr, timer);
  if (cancel == Cancel::closeBox) {
    PostMessageW(box, WM_CLOSE, 0, 0);
    return;
  }
  if (cancel == Cancel::button) {
    SetWindowTextW(FindWindowExW(box, nullptr, L"EDIT", nullptr), L"X");
    HWND button = FindWindowExW(box, nullptr, L"BUTTON", L"Отмена");
    cancelButtonFound = button != nullptr;
    // Without the button the box still closes, so the test cannot hang.
    if (button)
      SendMessageW(button, BM_CLICK, 0, 0);
    else
      PostMessageW(box, WM_CLOSE, 0, 0);
    return;
  }
  SetWindowTextW(FindWindowExW(box, nullptr, L"EDIT", nullptr), typed.c_str());
  SendMessageW(FindWindowExW(box, nullptr, L"BUTTON", L"OK"), BM_CLICK, 0, 0);
}

class InputBoxTest : public Win32Test {
 protected:
  std::optional<std::string> ask() {
    SetTimer(nullptr, 0, 20, answerTheBox);
    return windows.inputBox("Добавить компьютер", "Имя компьютера:", "BUH-1");
  }
};

TEST_F(InputBoxTest, TheUsersAnswerComesBack) {
  typed = L"СКЛАД";
  cancel = Cancel::no;
  EXPECT_EQ(ask(), "СКЛАД");
  // The form takes input again once the box is gone.
  EXPECT_TRUE(IsWindowEnabled(hwndOf(form)));
  EXPECT_EQ(FindWindowW(kPanelClass, L"Добавить компьютер"), nullptr);
}

TEST_F(InputBoxTest, ClosingTheBoxCancelsIt) {
  cancel = Cancel::closeBox;
  EXPECT_EQ(ask(), std::nullopt);
  EXPECT_TRUE(IsWindowEnabled(hwndOf(form)));
}

TEST_F(InputBoxTest, TheRussianCancelButtonCancelsWhatWasTyped) {
  cancel = Cancel::button;
  EXPECT_EQ(ask(), std::nullopt);
  EXPECT_TRUE(cancelButtonFound);
  EXPECT_TRUE(IsWindowEnabled(hwndOf(form)));
}

TEST_F(InputBoxTest, AQueuedAnswerNeedsNoBox) {
  windows.queueAnswer("LAPTOP-7");
  EXPECT_EQ(windows.inputBox("Добавить компьютер", "Имя компьютера:", ""),
            "LAPTOP-7");
}

}  // namespace
}  // namespace ov::win32

namespace ov::win32 {
namespace {

// The user's hand in a run-time dialog, from a timer of its loop: types into
// the edit box, then presses the button.
int ticksWhileOpen = 0;

void CALLBACK useTheDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  ++ticksWhileOpen;
  HWND dialog = FindWindowW(kFormClass, L"Тест");
  if (!dialog || ticksWhileOpen < 3) return;
  KillTimer(nullptr, timer);
  SetWindowTextW(FindWindowExW(dialog, nullptr, L"EDIT", nullptr), L"docs");
  SendMessageW(FindWindowExW(dialog, nullptr, L"BUTTON", L"Ok"), BM_CLICK, 0,
               0);
}

TEST_F(Win32Test, ARunTimeDialogRunsModallyWithTimersGoingAndGoesWhenClosed) {
  ui::Dialog& dialog = windows.createDialog(form, {"Тест", 300, 150});
  ui::Edit& edit =
      windows.createEdit(dialog, {.bounds = {5, 5, 100, 21}, .role = "edit1"});
  ui::Edit& memo = windows.createMemo(dialog, {.bounds = {5, 30, 100, 40}});
  ui::Button& ok =
      windows.createButton(dialog, {"TrOk", {5, 80, 60, 25}, "Ok"});
  std::string typedText;
  ok.onClick = [&] {
    typedText = edit.text();
    dialog.end();
  };
  memo.setText("one\r\ntwo");
  EXPECT_EQ(windows.shownDialog(), nullptr);
  // Its controls are its own, not the form's.
  EXPECT_EQ(windows.registry().find("TrOk"), nullptr);
  ticksWhileOpen = 0;
  SetTimer(nullptr, 0, 20, useTheDialog);
  dialog.showModal();
  EXPECT_EQ(typedText, "docs");
  EXPECT_GE(ticksWhileOpen, 3);
  EXPECT_TRUE(IsWindowEnabled(hwndOf(form)));
  EXPECT_EQ(textOf(FindWindowExW(hwndOf(dialog), nullptr, L"EDIT", nullptr)),
            L"docs");
  windows.destroyDialog(dialog);
  EXPECT_EQ(FindWindowW(kFormClass, L"Тест"), nullptr);
}

TEST_F(Win32Test, ALinkLabelReportsClicksAndTheTooltipShowsWhereItIsPut) {
  ui::Label& link =
      windows.createLabel(form, {"lb_mail", {5, 5, 120, 13}, "mail"});
  int clicks = 0;
  link.onClick = [&] { ++clicks; };
  link.setLinkStyle(0xFF0000, true);
  notifyParent(hwndOf(link), STN_CLICKED);
  EXPECT_EQ(clicks, 1);

  ui::StringGrid& grid = windows.createStringGrid(
      form, {{"st_files", {0, 40, 200, 80}}, 2, 3, {40, 60}});
  ui::ToolTip* tip = windows.createToolTip(grid);
  ASSERT_NE(tip, nullptr);
  ShowWindow(hwndOf(form), SW_SHOW);
  tip->showAt({100, 100}, "C:\\Docs\\Отчёт.doc");
  HWND tipWindow = FindWindowW(TOOLTIPS_CLASSW, nullptr);
  ASSERT_NE(tipWindow, nullptr);
  EXPECT_TRUE(IsWindowVisible(tipWindow));
  tip->hide();
  EXPECT_FALSE(IsWindowVisible(tipWindow));
}

}  // namespace
}  // namespace ov::win32
