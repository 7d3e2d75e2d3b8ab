#include "platform/headless/recording_tray.h"

#include <gtest/gtest.h>

namespace ov::headless {
namespace {

TEST(RecordingTray, JournalsIconChangesAndBalloons) {
  uint64_t ms = 1500;
  Journal journal([&] { return ms; });
  RecordingTray tray(&journal);

  NotifyIconData data;
  data.uID = 1007;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.hIcon = TrayIconImage::idle;
  data.szTip = "Монитор сети";
  EXPECT_FALSE(tray.Shell_NotifyIcon(NotifyCommand::modify, data));
  EXPECT_TRUE(tray.Shell_NotifyIcon(NotifyCommand::add, data));
  EXPECT_FALSE(tray.Shell_NotifyIcon(NotifyCommand::add, data));

  NotifyIconData balloon = data;
  balloon.uFlags = NIF_INFO;
  balloon.szInfoTitle = "Подключился:";
  balloon.szInfo = "PC1 (ivan)";
  balloon.uTimeout = 5000;
  ms = 2000;
  EXPECT_TRUE(tray.Shell_NotifyIcon(NotifyCommand::modify, balloon));

  data.hIcon = TrayIconImage::files;
  data.szTip = "Соединений:1; Открыто:2";
  EXPECT_TRUE(tray.Shell_NotifyIcon(NotifyCommand::modify, data));
  EXPECT_TRUE(tray.Shell_NotifyIcon(NotifyCommand::remove, data));
  EXPECT_FALSE(tray.iconShown());

  const std::vector<std::string> expected = {
      "{\"t\": 1.500, \"call\": \"TrayIcon\", \"args\": "
      "[\"add\", \"idle\", \"Монитор сети\", 1007]}",
      "{\"t\": 2.000, \"call\": \"Balloon\", \"args\": "
      "[\"Подключился:\", \"PC1 (ivan)\", 5000]}",
      "{\"t\": 2.000, \"call\": \"TrayIcon\", \"args\": "
      "[\"modify\", \"files\", \"Соединений:1; Открыто:2\", 1007]}",
      "{\"t\": 2.000, \"call\": \"TrayIcon\", \"args\": "
      "[\"delete\", \"files\", \"Соединений:1; Открыто:2\", 1007]}"};
  EXPECT_EQ(journal.lines(), expected);
}

}  // namespace
}  // namespace ov::headless
