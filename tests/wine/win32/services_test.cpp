// Timers, clock, locale and the notification-area icon on the real system.
#include <filesystem>

#include "platform/text/text_file.h"
#include "platform/win32/message_timers.h"
#include "platform/win32/shell_tray.h"
#include "platform/win32/system_clock.h"
#include "platform/win32/tray_icons.h"
#include "platform/win32/user_locale.h"
#include "tests/wine/win32/win32_test.h"

namespace ov::win32 {
namespace {

// Delivers messages until the condition holds or a second has passed.
template <typename Condition>
bool runLoopUntil(Condition done) {
  const ULONGLONG end = GetTickCount64() + 1000;
  while (!done() && GetTickCount64() < end) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  return done();
}

TEST(MessageTimersTest, EnabledTimersTickInTheMessageLoop) {
  MessageTimers timers;
  int fast = 0;
  int idle = 0;
  auto ticking = timers.createTimer(10, true);
  ticking->onTimer = [&] { ++fast; };
  auto disabled = timers.createTimer(10, false);
  disabled->onTimer = [&] { ++idle; };
  auto zero = timers.createTimer(0, true);
  zero->onTimer = [&] { ++idle; };

  EXPECT_TRUE(runLoopUntil([&] { return fast >= 3; }));
  EXPECT_EQ(idle, 0);

  ticking->setEnabled(false);
  const int stopped = fast;
  runLoopUntil([] { return false; });
  EXPECT_EQ(fast, stopped);

  disabled->setEnabled(true);
  EXPECT_TRUE(runLoopUntil([&] { return idle >= 1; }));
  EXPECT_EQ(disabled->interval(), 10u);
}

TEST(SystemClockTest, TicksNeverGoBackAndTheDateIsReal) {
  SystemClock clock;
  const uint64_t first = clock.tickMs();
  Sleep(20);
  EXPECT_GE(clock.tickMs(), first + 15);
  SYSTEMTIME system;
  GetLocalTime(&system);
  const LocalDateTime now = clock.now();
  EXPECT_EQ(now.year, system.wYear);
  EXPECT_EQ(now.month, system.wMonth);
  EXPECT_EQ(now.dayOfWeek, system.wDayOfWeek);
}

TEST(UserLocaleTest, FormatsAndUpperCase) {
  UserLocale locale;
  const LocalDateTime t{2006, 3, 5, 9, 5, 3, 0, 0};
  EXPECT_NE(locale.longTime(t).find("9:05:03"), std::string::npos)
      << locale.longTime(t);
  EXPECT_NE(locale.shortDate(t).find("2006"), std::string::npos)
      << locale.shortDate(t);
  EXPECT_EQ(locale.upperCase("buh-1 бух-ё"), "BUH-1 БУХ-Ё");
}

TEST(ShellTrayTest, IconAndMouseNotices) {
  ShellTray tray;
  NotifyIconData data;
  data.uID = 1007;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = WM_USER;
  data.hIcon = TrayIconImage::idle;
  data.szTip = "Монитор сети";
  EXPECT_TRUE(tray.Shell_NotifyIcon(NotifyCommand::add, data));
  data.uFlags = NIF_ICON | NIF_TIP;
  data.hIcon = TrayIconImage::files;
  data.szTip = std::string(200, 'x');  // longer than the shell's field
  EXPECT_TRUE(tray.Shell_NotifyIcon(NotifyCommand::modify, data));

  int doubleClicks = 0;
  int rightClicks = 0;
  int recreated = 0;
  tray.onDoubleClick = [&] { ++doubleClicks; };
  tray.onRightClick = [&] { ++rightClicks; };
  tray.onTaskbarCreated = [&] { ++recreated; };
  SendMessageW(tray.hwnd(), WM_USER, 1007, WM_LBUTTONDBLCLK);
  SendMessageW(tray.hwnd(), WM_USER, 1007, WM_RBUTTONUP);
  SendMessageW(tray.hwnd(), WM_USER, 1007, WM_MOUSEMOVE);
  SendMessageW(tray.hwnd(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_EQ(rightClicks, 1);
  EXPECT_EQ(recreated, 1);

  EXPECT_TRUE(tray.Shell_NotifyIcon(NotifyCommand::remove, data));
}

TEST(TextFileTest, ANewTextTakesTheOldFilesPlace) {
  // Windows renames onto an existing file only when asked to replace it.
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "ov_replaced.cfg";
  ASSERT_TRUE(writeTextFile(path.string(), "old\n"));
  ASSERT_TRUE(writeTextFile(path.string(), "новый\n"));
  EXPECT_EQ(readTextFile(path.string()), "новый\n");
  std::filesystem::path beside = path;
  beside += ".new";
  EXPECT_FALSE(std::filesystem::exists(beside));
  std::filesystem::remove(path);
}

TEST(TrayIconsTest, OneIconPerState) {
  EXPECT_EQ(trayIcon(TrayIconImage::none), nullptr);
  const HICON idle = trayIcon(TrayIconImage::idle);
  ASSERT_NE(idle, nullptr);
  EXPECT_EQ(trayIcon(TrayIconImage::idle), idle);
  EXPECT_NE(trayIcon(TrayIconImage::connected), idle);
  EXPECT_NE(trayIcon(TrayIconImage::files), trayIcon(TrayIconImage::userless));
  // From the resources, at the small size the notification area shows.
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(trayIcon(TrayIconImage::files), &info));
  BITMAP colour{};
  GetObjectW(info.hbmColor, sizeof colour, &colour);
  EXPECT_EQ(colour.bmWidth, GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(colour.bmBitsPixel, 32);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  // The windows carry the program's icon.
  EXPECT_NE(programIcon(false), LoadIconW(nullptr, IDI_APPLICATION));
}

}  // namespace
}  // namespace ov::win32
