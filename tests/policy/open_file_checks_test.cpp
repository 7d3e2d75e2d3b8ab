// The open-file checks and the open-file limit of every monitor cycle.
#include <gtest/gtest.h>

#include "lan_form.h"
#include "policy_support.h"

namespace ov::test {
namespace {

using Lines = std::vector<std::string>;

const char* const kFiveFiles = R"(
0 connect PC1 ivan
0 open 11 PC1 ivan C:\Data\1.doc
0 open 12 PC1 ivan C:\Data\2.doc
0 open 13 PC1 ivan C:\Data\3.doc
0 open 14 PC1 ivan C:\Data\4.doc
0 open 15 PC1 ivan C:\Data\5.doc
)";

TEST(OpenFileLimit, LimitOfTwoKeepsTheFirstTwoEntriesOpen) {
  LanForm lan(std::string(kFiveFiles) +
              "0 ui check cb_denyf 1\n0 ui spin n_denyf 2\n"
              "0.5 ui tray dblclick\n");
  lan.runUntil(1);
  EXPECT_EQ(lan.calls("NetFileClose"),
            (Lines{fileClose(13), fileClose(14), fileClose(15)}));
  // All five were shown in the cycle that closed three.
  EXPECT_EQ(gridRow(lan.form().connectionsPage().st_files, 5)[1], "15");
  lan.runUntil(3);
  EXPECT_EQ(lan.calls("NetFileClose").size(), 3u);
  EXPECT_EQ(lan.form().connectionsPage().st_files.rowCount(), 4);
}

TEST(OpenFileLimit, NeedsBothTheSwitchAndALimitAboveZero) {
  LanForm zero(std::string(kFiveFiles) +
               "0 ui check cb_denyf 1\n0 ui spin n_denyf 0\n");
  zero.runUntil(2);
  EXPECT_TRUE(zero.calls("NetFileClose").empty());

  LanForm off(std::string(kFiveFiles) +
              "0 ui check cb_denyf 0\n0 ui spin n_denyf 1\n");
  off.runUntil(2);
  EXPECT_TRUE(off.calls("NetFileClose").empty());
}

TEST(OpenFileChecks, PipeSwitchClosesFilesFoldersAndPipesAlike) {
  LanForm lan(R"(
0 dir C:\Data\Folder
0 connect PC1 ivan
0 open 11 PC1 ivan C:\Data\a.doc
0 open 12 PC1 ivan C:\Data\Folder
0 open 13 PC1 ivan \PIPE\spoolss
1.5 ui check cb_kickpipe 1
)");
  lan.runUntil(1.5);
  EXPECT_TRUE(lan.calls("NetFileClose").empty());
  lan.runUntil(2);
  EXPECT_EQ(lan.calls("NetFileClose"),
            (Lines{fileClose(11), fileClose(12), fileClose(13)}));
  // The session itself stays.
  EXPECT_TRUE(lan.calls("NetSessionDel").empty());
}

TEST(OpenFileChecks, ClosedAccessClosesEachEntryOnceMoreAfterThePipeSwitch) {
  // The server refuses the disconnects, so the files are still listed.
  LanForm lan(R"(
0 fail NetSessionDel 5 count=always
0 connect PC1 ivan
0 open 11 PC1 ivan C:\Data\a.doc
0 open 12 PC1 ivan \PIPE\spoolss
0 ui check SecurityCB1 1
)");
  lan.runUntil(1);
  EXPECT_EQ(lan.calls("NetSessionDel"), Lines{sessionDel("PC1")});
  EXPECT_EQ(lan.calls("NetFileClose"), (Lines{fileClose(11), fileClose(12)}));

  LanForm both(R"(
0 fail NetSessionDel 5 count=always
0 connect PC1 ivan
0 open 11 PC1 ivan C:\Data\a.doc
0 open 12 PC1 ivan \PIPE\spoolss
0 ui check SecurityCB1 1
0 ui check cb_kickpipe 1
)");
  both.runUntil(1);
  EXPECT_EQ(both.calls("NetFileClose"), (Lines{fileClose(11), fileClose(11),
                                               fileClose(12), fileClose(12)}));
}

}  // namespace
}  // namespace ov::test
