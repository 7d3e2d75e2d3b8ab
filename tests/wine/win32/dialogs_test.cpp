// The input box: a modal window the user types an answer into, or the
// answer a scenario queued for it.
#include "tests/wine/win32/win32_test.h"

namespace ov::win32 {
namespace {

// What the user does once the box is open, from a timer of its loop.
std::wstring typed;
bool cancel = false;

void CALLBACK answerTheBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowW(kPanelClass, L"Добавить компьютер");
  if (!box) return;
  KillTimer(nullptr, timer);
  if (cancel) {
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
  cancel = false;
  EXPECT_EQ(ask(), "СКЛАД");
  // The form takes input again once the box is gone.
  EXPECT_TRUE(IsWindowEnabled(hwndOf(form)));
  EXPECT_EQ(FindWindowW(kPanelClass, L"Добавить компьютер"), nullptr);
}

TEST_F(InputBoxTest, ClosingTheBoxCancelsIt) {
  cancel = true;
  EXPECT_EQ(ask(), std::nullopt);
  EXPECT_TRUE(IsWindowEnabled(hwndOf(form)));
}

TEST_F(InputBoxTest, AQueuedAnswerNeedsNoBox) {
  windows.queueAnswer("LAPTOP-7");
  EXPECT_EQ(windows.inputBox("Добавить компьютер", "Имя компьютера:", ""),
            "LAPTOP-7");
}

}  // namespace
}  // namespace ov::win32
