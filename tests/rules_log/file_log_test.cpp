// The file log: which openings are recorded, and how they show in the file
// history list, the counts and the log file.
#include <gtest/gtest.h>

#include "rules_lan.h"

namespace ov::test {
namespace {

using Strings = std::vector<std::string>;

std::filesystem::path logPath(const LanForm& lan) {
  return lan.programDir() / "files.log";
}

// The log's lines as UTF-8 text, each with its CR LF.
std::string logText(const std::string& utf8Lines) { return cp1251(utf8Lines); }

Strings historyCaptions(const ui::ListView& list) {
  Strings out;
  for (int i = 0; i < list.count(); ++i) out.push_back(list.item(i).caption);
  return out;
}

TEST(FileLog, EachNewOpeningIsListedCountedAndLogged) {
  LanForm lan(
      "0 connect PC1 ivan\n"
      "0 open 1 PC1 ivan C:\\Docs\\a.doc\n"
      "0 open 2 PC1 ivan \"C:\\Docs\\отчёт за март.xls\"\n",
      programOptions({.start = {2006, 3, 5, 9, 5, 2, 0, 0}}));
  lan.runUntil(10);
  EXPECT_EQ(fileBytes(logPath(lan)),
            logText("[ 9:05:03  05.03.06] [PC1] C:\\Docs\\a.doc\r\n"
                    "[ 9:05:03  05.03.06] [PC1] C:\\Docs\\отчёт за "
                    "март.xls\r\n"));
  const ui::ListView& history = lan.form().historyPage().lv_fileshist;
  ASSERT_EQ(history.count(), 2);
  EXPECT_EQ(listViewRow(history, 0),
            (Strings{"PC1", "C:\\Docs\\a.doc", "05.03.2006 9:05:03", "-"}));
  EXPECT_EQ(lan.form().monitorParts().connections.active(0).filesOpened, 2u);
  EXPECT_EQ(lan.form().monitorParts().connections.fileOpeningsCounted(), 2u);
  EXPECT_EQ(lan.form().monitorParts().cycleCounters.loggedOpeningsThisMinute,
            2u);
}

TEST(FileLog, AnOpeningWithoutATrackedConnectionHasNoComputer) {
  LanForm lan(
      "0 connect 10.0.0.13 \"\"\n"
      "2 open 1 10.0.0.13 \"\" C:\\Pub\\x.txt\n",
      programOptions({.start = {2026, 3, 5, 10, 15, 28, 0, 4}}));
  lan.runUntil(5);
  EXPECT_EQ(fileBytes(logPath(lan)),
            logText("[10:15:30  05.03.26] [] C:\\Pub\\x.txt\r\n"));
  EXPECT_EQ(historyCaptions(lan.form().historyPage().lv_fileshist),
            Strings{""});
}

TEST(FileLog, AnOpeningIsLoggedOncePerPathAndUser) {
  LanForm lan(
      "0 connect PC1 ivan\n"
      "0 connect PC2 petr\n"
      "2 open 1 PC1 ivan C:\\Shared\\a.doc\n"
      "2 open 2 PC2 petr C:\\Shared\\a.doc\n"
      "4 close 1\n"
      "6 open 3 PC1 ivan C:\\Shared\\a.doc\n"
      "8 open 4 PC1 ivan C:\\shared\\A.DOC\n",
      programOptions({}));
  lan.runUntil(12);
  EXPECT_EQ(fileBytes(logPath(lan)),
            logText("[ 9:00:02  05.03.26] [PC1] C:\\Shared\\a.doc\r\n"
                    "[ 9:00:02  05.03.26] [PC2] C:\\Shared\\a.doc\r\n"
                    "[ 9:00:08  05.03.26] [PC1] C:\\shared\\A.DOC\r\n"));
  EXPECT_EQ(historyCaptions(lan.form().historyPage().lv_fileshist),
            (Strings{"PC1", "PC2", "PC1"}));
}

TEST(FileLog, LocalOpeningsAreSkippedOnlyByTheExactName) {
  LanForm lan(
      "0 ui check cb_ignorelocal 1\n"
      "0 connect Orvane-PC anna\n"
      "0 connect ORVANE-PC boris\n"
      "0 connect 127.0.0.1 vera\n"
      "0 open 1 Orvane-PC anna C:\\a.txt\n"
      "0 open 2 ORVANE-PC boris C:\\b.txt\n"
      "0 open 3 127.0.0.1 vera C:\\c.txt\n"
      "3 ui check cb_ignorelocal 0\n",
      programOptions({.localHostName = "orvane-pc"}));
  EXPECT_EQ(lan.form().monitorParts().LocalHostName, "ORVANE-PC");
  lan.runUntil(2.5);
  EXPECT_EQ(historyCaptions(lan.form().historyPage().lv_fileshist),
            Strings{"Orvane-PC"});
  EXPECT_TRUE(lan.form().keptSettings().IgnoreLocal);
  lan.runUntil(4);
  EXPECT_FALSE(lan.form().keptSettings().IgnoreLocal);
  EXPECT_EQ(historyCaptions(lan.form().historyPage().lv_fileshist),
            (Strings{"Orvane-PC", "ORVANE-PC", "127.0.0.1"}));
}

TEST(FileLog, WithoutAHostNameOnlyTheLoopbackIsLocal) {
  LanForm lan(
      "0 ui check cb_ignorelocal 1\n"
      "0 connect 10.0.0.13 \"\"\n"
      "0 open 1 10.0.0.13 \"\" C:\\x.txt\n",
      programOptions({.hostNameFails = true}));
  EXPECT_EQ(lan.form().monitorParts().LocalHostName, "");
  lan.runUntil(2);
  EXPECT_EQ(historyCaptions(lan.form().historyPage().lv_fileshist),
            Strings{""});
}

TEST(FileLog, LongPathsAndUserNamesAreLoggedOnce) {
  const std::string path = "C:\\" + std::string(293, 'd') + "\\x.doc";
  const std::string user(40, 'u');
  ASSERT_EQ(path.size(), 302u);
  LanForm lan(
      "0 connect PC1 " + user + "\n0 open 1 PC1 " + user + " " + path + "\n",
      programOptions({}));
  lan.runUntil(30);
  EXPECT_EQ(fileBytes(logPath(lan)),
            "[ 9:00:01  05.03.26] [PC1] " + path.substr(0, 255) + "\r\n");
  ASSERT_EQ(lan.form().historyPage().lv_fileshist.count(), 1);
  EXPECT_EQ(lan.form().historyPage().lv_fileshist.item(0).subItems.at(0), path);
}

TEST(FileLog, WithLoggingOffNothingIsRecordedAndEmptyConnectionsLeaveNoRow) {
  LanForm lan(
      "0 connect PC1 ivan\n"
      "0 open 1 PC1 ivan C:\\a.doc\n"
      "3 disconnect PC1 ivan\n"
      "6 connect PC2 petr\n"
      "6 open 2 PC2 petr C:\\b.doc\n"
      "6.5 ui check logbox 1\n"
      "8 disconnect PC2 petr\n",
      programOptions({.logging = false}));
  lan.runUntil(5);
  EXPECT_EQ(lan.form().historyPage().lv_fileshist.count(), 0);
  EXPECT_EQ(lan.form().historyPage().lv_connhist.count(), 0);
  EXPECT_FALSE(std::filesystem::exists(logPath(lan)));
  EXPECT_EQ(lan.form().monitorParts().connections.fileOpeningsCounted(), 0u);

  // Switched on by its check box, the log records from the next cycle.
  lan.runUntil(10);
  EXPECT_EQ(historyCaptions(lan.form().historyPage().lv_fileshist),
            Strings{"PC2"});
  EXPECT_EQ(historyCaptions(lan.form().historyPage().lv_connhist),
            Strings{"PC2"});
  EXPECT_EQ(fileBytes(logPath(lan)),
            logText("[ 9:00:07  05.03.26] [PC2] C:\\b.doc\r\n"));
}

TEST(FileLog, ALogThatCannotBeOpenedLosesOnlyTheLine) {
  LanForm lan(
      "0 connect PC1 ivan\n"
      "0 open 1 PC1 ivan C:\\a.doc\n"
      "4 open 2 PC1 ivan C:\\b.doc\n",
      programOptions({}));
  lan.form().settingsPage().t_log.setText(lan.programDir().string());
  lan.runUntil(2);
  EXPECT_EQ(historyCaptions(lan.form().historyPage().lv_fileshist),
            Strings{"PC1"});
  EXPECT_EQ(lan.form().monitorParts().connections.active(0).filesOpened, 1u);
  EXPECT_EQ(lan.form().monitorParts().cycleCounters.loggedOpeningsThisMinute,
            1u);

  // The next line goes to whatever the box names then.
  lan.form().settingsPage().t_log.setText(
      (lan.programDir() / "second.log").string());
  lan.runUntil(5);
  EXPECT_EQ(fileBytes(lan.programDir() / "second.log"),
            logText("[ 9:00:04  05.03.26] [PC1] C:\\b.doc\r\n"));
  EXPECT_EQ(lan.form().monitorParts().connections.active(0).filesOpened, 2u);
}

TEST(FileLog, FilesUnderAnUnloggedPathAreNeitherListedNorCounted) {
  LanForm lan(
      "0 connect PC1 ivan\n"
      "0 open 1 PC1 ivan C:\\Private\\a.doc\n"
      "0 open 2 PC1 ivan C:\\Public\\b.doc\n"
      "0 open 3 PC1 ivan C:\\private\\c.doc\n",
      programOptions({}));
  lan.form().monitorParts().UnloggedPaths = {"C:\\Private"};
  lan.runUntil(2);
  EXPECT_EQ(fileBytes(logPath(lan)),
            logText("[ 9:00:01  05.03.26] [PC1] C:\\Public\\b.doc\r\n"
                    "[ 9:00:01  05.03.26] [PC1] C:\\private\\c.doc\r\n"));
  EXPECT_EQ(lan.form().monitorParts().connections.active(0).filesOpened, 2u);
}

}  // namespace
}  // namespace ov::test
