#include "monitor/watched_server.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/monitor/fake_locale.h"

namespace ov::monitor {
namespace {

using testing::FakeLocale;

TEST(WatchedServerTest, StartsOnTheLocalMachine) {
  WatchedServer server;
  EXPECT_EQ(server.name(), "");
  EXPECT_EQ(server.sessionLevel(), 502u);
  EXPECT_EQ(server.shareLevel(), 502u);
}

TEST(WatchedServerTest, NamedServerIsUpperCasedWithBackslashPrefix) {
  FakeLocale locale;
  WatchedServer server;
  server.setFromEditText("fileserver", locale);
  EXPECT_EQ(server.name(), "\\\\FILESERVER");
  EXPECT_EQ(server.sessionLevel(), 10u);
  EXPECT_EQ(server.shareLevel(), 1u);

  server.setFromEditText("\\\\srv2", locale);
  EXPECT_EQ(server.name(), "\\\\SRV2");
  // Only the second character counts: one leading backslash gets two more.
  server.setFromEditText("\\srv3", locale);
  EXPECT_EQ(server.name(), "\\\\\\SRV3");
  server.setFromEditText("a\\b", locale);
  EXPECT_EQ(server.name(), "A\\B");
  // The second character, not the second byte.
  server.setFromEditText("Я\\X", locale);
  EXPECT_EQ(server.name(), "Я\\X");
  server.setFromEditText("Я", locale);
  EXPECT_EQ(server.name(), "\\\\Я");
}

TEST(WatchedServerTest, EmptyTextReturnsToTheLocalMachine) {
  FakeLocale locale;
  WatchedServer server;
  server.setFromEditText("srv", locale);
  server.setFromEditText("", locale);
  EXPECT_EQ(server.name(), "");
  EXPECT_EQ(server.sessionLevel(), 502u);
  EXPECT_EQ(server.shareLevel(), 502u);
}

TEST(WatchedServerTest, ClearNameKeepsTheLevels) {
  FakeLocale locale;
  WatchedServer server;
  server.setFromEditText("srv", locale);
  server.clearName();
  EXPECT_EQ(server.name(), "");
  EXPECT_EQ(server.sessionLevel(), 10u);
  EXPECT_EQ(server.shareLevel(), 1u);
}

TEST(WatchedServerTest, NameIsCutAtEightyCharacters) {
  FakeLocale locale;
  WatchedServer server;
  server.setFromEditText(std::string(100, 'x'), locale);
  EXPECT_EQ(server.name(), "\\\\" + std::string(78, 'X'));

  std::string typed;
  std::string kept = "\\\\";
  for (int i = 0; i < 100; ++i) typed += "Ж";
  for (int i = 0; i < 78; ++i) kept += "Ж";
  server.setFromEditText(typed, locale);
  EXPECT_EQ(server.name(), kept);
}

}  // namespace
}  // namespace ov::monitor
