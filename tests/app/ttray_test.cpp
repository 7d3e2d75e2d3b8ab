#include "app/ttray.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/headless/recording_tray.h"
#include "platform/headless/virtual_clock.h"

namespace ov {
namespace {

class TrayTest : public ::testing::Test {
 protected:
  headless::VirtualClock clock{LocalDateTime{2026, 3, 5, 9, 0, 0}};
  Journal journal{[this] { return clock.tickMs(); }};
  headless::RecordingTray shell{&journal};
  TTRAY tray{shell, clock};

  void runUntil(uint64_t ms) {
    while (clock.fireNextTimer(ms)) {
    }
    clock.advanceTo(ms);
  }
  std::string balloonLine(const char* stamp, const std::string& title,
                          const std::string& text, int timeout) {
    return std::string("{\"t\": ") + stamp +
           ", \"call\": \"Balloon\", \"args\": [\"" + title + "\", \"" + text +
           "\", " + std::to_string(timeout) + "]}";
  }
};

TEST_F(TrayTest, BalloonGoesAwayOnTheSixthTickAndStaysAway) {
  tray.Add(1007, TrayIconImage::idle, "Монитор сети");
  tray.Balloon("Подключился:", "PC1 (ivan)", 5000);
  runUntil(5999);
  EXPECT_EQ(journal.lines().size(), 2u);
  runUntil(60000);
  ASSERT_EQ(journal.lines().size(), 3u);
  EXPECT_EQ(journal.lines()[2], balloonLine("6.000", "", "", 0));
  EXPECT_EQ(tray.record().uFlags, NIF_INFO);
}

TEST_F(TrayTest, SecondBalloonRestartsTheCount) {
  tray.Add(1007, TrayIconImage::idle, "tip");
  tray.Balloon("a", "1", 5000);
  runUntil(3000);
  tray.Balloon("b", "2", 5000);
  runUntil(8999);
  EXPECT_EQ(journal.lines().back(), balloonLine("3.000", "b", "2", 5000));
  runUntil(9000);
  EXPECT_EQ(journal.lines().back(), balloonLine("9.000", "", "", 0));
}

TEST_F(TrayTest, TextsAreCutToTheirFieldsByCharacters) {
  const std::string tip(200, 'x');
  std::string title;
  for (int i = 0; i < 80; ++i) title += "Ж";
  const std::string text(300, 't');
  tray.Add(1007, TrayIconImage::idle, tip);
  EXPECT_EQ(shell.shownData().szTip, std::string(127, 'x'));
  tray.Balloon(title, text, 5000);
  std::string cutTitle;
  for (int i = 0; i < 63; ++i) cutTitle += "Ж";
  EXPECT_EQ(tray.record().szInfoTitle, cutTitle);
  EXPECT_EQ(tray.record().szInfo, std::string(255, 't'));
}

TEST_F(TrayTest, RecoverAddsTheIconAgainWithItsLastPictureAndTip) {
  tray.Add(1007, TrayIconImage::idle, "Монитор сети");
  tray.Modify(TrayIconImage::files, "Соединений:1; Открыто:1");
  shell.Shell_NotifyIcon(NotifyCommand::remove, tray.record());  // shell died
  ASSERT_TRUE(shell.onTaskbarCreated);
  shell.onTaskbarCreated();
  EXPECT_TRUE(shell.iconShown());
  EXPECT_EQ(shell.shownData().hIcon, TrayIconImage::files);
  EXPECT_EQ(journal.lines().back(),
            "{\"t\": 0.000, \"call\": \"TrayIcon\", \"args\": [\"add\", "
            "\"files\", \"Соединений:1; Открыто:1\", 1007]}");
  EXPECT_TRUE(tray.Del());
  EXPECT_FALSE(shell.iconShown());
  EXPECT_EQ(tray.record().uID, 1007u);
}

}  // namespace
}  // namespace ov
