// The file log with more files open than the ring of logged openings holds,
// and the history lists over a long, busy run.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <utility>
#include <vector>

#include "busy_server.h"
#include "rules_lan.h"

namespace ov::test {
namespace {

constexpr int kSessions = kBusySessions;

std::string pathOf(int file) { return busyServerPath(file); }

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// Each file held open for ten minutes is recorded once: one log line and
// one history row, whatever the ring of 256 has forgotten.
void expectEachOpeningRecordedOnce(int files, const std::string& extra) {
  LanForm lan(busyServer(files) + extra, programOptions({.rules = false}));
  lan.runUntil(600);
  const std::vector<std::string> logged =
      lines(fileBytes(lan.programDir() / "files.log"));
  ASSERT_EQ(logged.size(), static_cast<std::size_t>(files));
  for (int f = 0; f < files; ++f) {
    const std::string ending =
        "] [PC" + std::to_string(f % kSessions) + "] " + pathOf(f) + "\r";
    EXPECT_TRUE(logged[f].ends_with(ending)) << logged[f];
  }
  const ui::ListView& history = lan.form().historyPage().lv_fileshist;
  ASSERT_EQ(history.count(), files);
  EXPECT_EQ(history.item(files - 1).subItems.at(0), pathOf(files - 1));
  EXPECT_EQ(lan.form().monitorParts().connections.fileOpeningsCounted(),
            static_cast<uint32_t>(files));
}

TEST(FileLogScale, ThreeHundredOpenFilesAreEachRecordedOnce) {
  // A pass that fails does not make the files it missed look closed.
  expectEachOpeningRecordedOnce(300, "100.5 fail NetFileEnum 5 count=2\n");
}

TEST(FileLogScale, AThousandOpenFilesAreEachRecordedOnce) {
  expectEachOpeningRecordedOnce(1000, "");
}

TEST(FileLogScale, AFileClosedAndReopenedIsRecordedAgainOnlyAfterTheRingWraps) {
  // 300 files stay open; file 0 is closed and opened again twice. While the
  // ring still holds it nothing is recorded; once 256 other openings have
  // passed it, it is recorded anew.
  std::string scenario =
      busyServer(1) + "2 close 1\n3 open 1 PC0 user0 " + pathOf(0) + "\n";
  for (int f = 1; f <= 300; ++f)
    scenario +=
        "4 open " + std::to_string(f + 1) + " PC0 user0 " + pathOf(f) + "\n";
  scenario += "6 close 1\n7 open 1 PC0 user0 " + pathOf(0) + "\n";
  LanForm lan(scenario, programOptions({.rules = false}));
  lan.runUntil(10);
  const std::vector<std::string> logged =
      lines(fileBytes(lan.programDir() / "files.log"));
  ASSERT_EQ(logged.size(), 302u);
  EXPECT_TRUE(logged.front().ends_with(pathOf(0) + "\r"));
  EXPECT_TRUE(logged.back().ends_with(pathOf(0) + "\r")) << logged.back();
}

TEST(FileLogScale, HistoryListsKeepTheNewestThousandRows) {
  // 5,000 clients over an hour, each opening one file and leaving again.
  std::vector<std::pair<double, std::string>> events;
  constexpr int kClients = 5000;
  for (int k = 0; k < kClients; ++k) {
    const double at = k * 0.72;
    const std::string client = "PC" + std::to_string(k);
    const std::string user = "u" + std::to_string(k);
    events.emplace_back(at, "connect " + client + " " + user);
    events.emplace_back(at, "open " + std::to_string(k + 1) + " " + client +
                                " " + user + " " + pathOf(k));
    events.emplace_back(at + 2.1, "disconnect " + client + " " + user);
  }
  std::stable_sort(
      events.begin(), events.end(),
      [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string scenario;
  for (const auto& [at, verb] : events)
    scenario += std::to_string(at) + " " + verb + "\n";
  LanForm lan(scenario, programOptions({.rules = false}));
  lan.runUntil(3610);

  const ui::ListView& files = lan.form().historyPage().lv_fileshist;
  const ui::ListView& connections = lan.form().historyPage().lv_connhist;
  ASSERT_EQ(files.count(), 1000);
  ASSERT_EQ(connections.count(), 1000);
  EXPECT_EQ(files.item(0).caption, "PC4000");
  EXPECT_EQ(files.item(999).caption, "PC4999");
  EXPECT_EQ(files.item(999).subItems.at(0), pathOf(4999));
  EXPECT_EQ(connections.item(0).caption, "PC4000");
  EXPECT_EQ(connections.item(999).caption, "PC4999");
  // The counts go on past the rows kept.
  EXPECT_EQ(lan.form().monitorParts().connections.fileOpeningsCounted(), 5000u);
  EXPECT_EQ(lan.form().monitorParts().connections.connectionsListed(), 5000u);
  EXPECT_EQ(lines(fileBytes(lan.programDir() / "files.log")).size(), 5000u);
}

}  // namespace
}  // namespace ov::test
