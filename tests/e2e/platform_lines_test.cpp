// What the system does to the program, played from a scenario: a system
// without balloons, a restarted shell, the end of the session, a session
// without a user-name field, and the failures of the service, echo,
// mailslot and tooltip calls, each with the text the user sees.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "scenario_run.h"
#include "tests/support/contains.h"

namespace ov::e2e {
namespace {

using test::contains;

std::size_t count(const std::vector<std::string>& journal,
                  const std::string& part) {
  return std::count_if(
      journal.begin(), journal.end(),
      [&part](const std::string& line) { return contains(line, part); });
}

std::string messageBox(const std::string& stamp, const std::string& caption,
                       const std::string& text, int flags) {
  return journalLine(
      stamp, "MessageBox",
      "\"" + caption + "\", \"" + text + "\", " + std::to_string(flags));
}

TEST(PlatformLines, WithoutBalloonsTheConnectionNoticeIsOffAndSilent) {
  const std::string office =
      "0 host PC1 10.0.0.11\n"
      "1 ui tray dblclick\n"
      "2 connect PC1 ivan\n"
      "3 dump form.json\n"
      "4 quit\n";
  ScenarioRun with;
  ASSERT_EQ(with.run(office), 0) << with.errors();
  EXPECT_EQ(count(with.journal(), "\"Balloon\""), 2u);

  ScenarioRun without;
  ASSERT_EQ(without.run("0 platform balloons=0\n" + office), 0)
      << without.errors();
  EXPECT_EQ(count(without.journal(), "\"Balloon\""), 0u);
  EXPECT_TRUE(contains(
      without.read("form.json"),
      "\"cb_conninfo\": {\"kind\": \"checkbox\", \"enabled\": "
      "false, \"visible\": true, \"caption\": "
      "\"Информировать о соединениях\", \"checked\": false, \"bounds\""))
      << without.read("form.json");
}

TEST(PlatformLines, ARestartedShellGetsTheIconBackAndTheSessionEndSaves) {
  ScenarioRun run;
  ASSERT_EQ(run.run("0 host PC1 10.0.0.11\n"
                    "2 connect PC1 ivan\n"
                    "4 tray restart\n"
                    "5 ui resize 700 450\n"
                    "6 session end\n"),
            0)
      << run.errors();
  const auto journal = run.journal();
  EXPECT_TRUE(
      journaled(journal, journalLine("4.000", "TrayIcon",
                                     "\"add\", \"connected\", "
                                     "\"Соединений:1; Открыто:0\", 1007")));
  // The close query ran: the icon went and the size was saved, at 6 s.
  EXPECT_EQ(journal.back(),
            journalLine("6.000", "TrayIcon",
                        "\"delete\", \"connected\", \"Соединений:1; "
                        "Открыто:0\", 1007"));
  EXPECT_TRUE(contains(run.read("OV.CFG"), "Width=700\r\nHeigth=450\r\n"));
}

TEST(PlatformLines, KickAllLeavesASessionWithoutAUserNameField) {
  ScenarioRun run;
  ASSERT_EQ(run.run("0 host PC1 10.0.0.11\n"
                    "0 host PC2 10.0.0.12\n"
                    "0 host PC3 10.0.0.13\n"
                    "2 connect PC1 ivan\n"
                    "2 connect PC2 \"\" nouser\n"
                    "2 connect PC3 \"\"\n"
                    "3 ui hotkey 17\n"
                    "4 quit\n"),
            0)
      << run.errors();
  const auto journal = run.journal();
  EXPECT_EQ(count(journal, "NetSessionDel"), 2u);
  EXPECT_TRUE(journaled(journal, journalLine("3.000", "NetSessionDel",
                                             "\"\", \"\\\\\\\\PC1\", "
                                             "\"ivan\"")));
  EXPECT_TRUE(journaled(journal, journalLine("3.000", "NetSessionDel",
                                             "\"\", \"\\\\\\\\PC3\", \"\"")));
}

TEST(PlatformLines, ServiceCallsFailWithTheirTextsAndControlsAnswerPending) {
  ScenarioRun run;
  ASSERT_EQ(run.run("1 ui tray dblclick\n"
                    "2 fail OpenSCManager 5\n"
                    "2 ui page 3\n"
                    "3 fail OpenService 1060\n"
                    "3 ui click Button111\n"
                    // The query's open succeeds, the control's fails.
                    "4 fail OpenService 5 skip=1\n"
                    "4 ui click Button111\n"
                    "5 fail QueryServiceStatus 6\n"
                    "5 ui click Button111\n"
                    "6 fail ControlService 1062\n"
                    "6 ui click Button111\n"
                    "6.5 dump failed.json\n"
                    "7 service pending\n"
                    "7 ui click Button111\n"
                    "7.5 dump pausing.json\n"
                    "8 fail ControlService 1061\n"
                    "8 ui click Button111\n"
                    "9 quit\n"),
            0)
      << run.errors();
  const auto journal = run.journal();
  EXPECT_TRUE(journaled(journal, messageBox("2.000", "Orvane",
                                            "Error from "
                                            "lanmanserver::OpenSCManager() : 5",
                                            16)));
  EXPECT_TRUE(journaled(
      journal,
      messageBox("3.000", "Orvane", "Error from lanmanserver: 1060", 16)));
  EXPECT_TRUE(journaled(
      journal, messageBox("4.000", "Orvane",
                          "Error from lanmanserver:OpenService() : 5", 16)));
  EXPECT_TRUE(journaled(journal, messageBox("5.000", "Orvane",
                                            "Error from lanmanserver: 6", 16)));
  EXPECT_TRUE(journaled(
      journal,
      messageBox("6.000", "Orvane", "Error from StopService() : 1062", 16)));
  // A failed toggle leaves the caption as it was.
  EXPECT_TRUE(contains(run.read("failed.json"),
                       "\"caption\": \"Приостановить службу сервера\""));
  // The pause answers "pause pending" and the caption offers to resume.
  EXPECT_TRUE(contains(run.read("pausing.json"),
                       "\"caption\": \"Возобновить службу сервера\""));
  EXPECT_TRUE(journaled(
      journal,
      messageBox("8.000", "Orvane", "Error from StartService() : 1061", 16)));
}

TEST(PlatformLines, EchoMailslotAndToolTipFailuresShowTheirTexts) {
  ScenarioRun run;
  ASSERT_EQ(run.run("0 host PC1 10.0.0.11\n"
                    "0 fail TTM_ADDTOOL 0\n"
                    "0 mailslot PC1 accept\n"
                    "1 ui tray dblclick\n"
                    "2 connect PC1 ivan\n"
                    "3 fail LoadLibrary 126\n"
                    "3 ui key F4\n"
                    "3 ui dialog edit1 10.0.0.11\n"
                    "3 ui dialog click Пинг\n"
                    "4 fail GetProcAddress 127\n"
                    "4 ui dialog click Пинг\n"
                    "4.5 dump pinger.json\n"
                    "5 ui dialog close\n"
                    "6 fail WriteFile 5\n"
                    "6 ui key F3\n"
                    "6 ui dialog memo Привет\n"
                    "6 ui dialog click Отправить\n"
                    "7 ui dialog memo Привет\n"
                    "7 ui dialog click Отправить\n"
                    "8 ui dialog close\n"
                    "9 quit\n"),
            0)
      << run.errors();
  const auto journal = run.journal();
  EXPECT_TRUE(journaled(
      journal,
      messageBox("0.000", "Error", "Couldn't create the ToolTip control.", 0)));
  EXPECT_TRUE(contains(run.read("pinger.json"),
                       "\"lines\": [\"Could not load ICMP.DLL\", \"Error "
                       "getting ICMP proc address\"]"))
      << run.read("pinger.json");
  EXPECT_EQ(count(journal, "IcmpSendEcho"), 0u);
  // The failed write shows the message; the next one goes through.
  EXPECT_TRUE(journaled(journal,
                        messageBox("6.000", "Ошибка",
                                   "Ошибка отправки сообщения!\\nНет доступа к "
                                   "адресату",
                                   0)));
  EXPECT_EQ(count(journal, "\"MailslotWrite\""), 1u);
  EXPECT_EQ(count(journal, "{\"t\": 7.000, \"call\": \"MailslotWrite\""), 1u);
}

TEST(PlatformLines, ASharesFileThatCannotBeOpenedOrMadeChangesNothing) {
  ScenarioRun run;
  std::ofstream(run.file("shares"), std::ios::binary) << "Price\r\n";
  ASSERT_EQ(run.run("0 share Docs C:\\Docs\n"
                    "0 share Price C:\\Price\n"
                    "1 ui tray dblclick\n"
                    "2 ui page 2\n"
                    "2.5 dump read.json\n"
                    "3 fail OpenFile:shares 2\n"
                    "3 ui click refreshshares\n"
                    "3.5 dump unread.json\n"
                    "4 fail CreateFile:shares 5\n"
                    "4 ui check lv_shares 0 0\n"
                    "4 ui click saveres\n"
                    "6 quit\n"),
            0)
      << run.errors();
  const auto checked = [&run](const char* file) {
    const std::string dump = run.read(file);
    const std::size_t at = dump.find("\"checked\": [");
    return at == std::string::npos
               ? ""
               : dump.substr(at, dump.find(']', at) + 1 - at);
  };
  EXPECT_EQ(checked("read.json"), "\"checked\": [true, false]");
  // Unread, the file unticks nothing; not made, it keeps its old lines.
  EXPECT_EQ(checked("unread.json"), "\"checked\": [true, true]");
  EXPECT_EQ(run.read("shares"), "Price\r\n");
  EXPECT_EQ(count(run.journal(), "MessageBox"), 0u);
}

TEST(PlatformLines, LinesTheSystemCannotMeanStopTheScenario) {
  expectRefused({
      {"0 connect PC1 ivan nouser\n", "nouser goes with the USER \"\""},
      {"0 connect PC1 \"\" nouser nouser\n", "'nouser' given twice"},
      {"0 connect PC1 \"\" idle\n", "must be 'busy' or 'nouser'"},
      {"0 platform\n", "platform: missing balloons="},
      {"0 platform balloons=2\n", "bad balloons '2'"},
      {"0 tray reboot\n", "must be 'restart'"},
      {"0 session begin\n", "must be 'end'"},
      {"0 service waiting\n", "bad STATE 'waiting'"},
      {"0 fail OpenService 5 skip=-1\n", "bad skip '-1'"},
  });
}

}  // namespace
}  // namespace ov::e2e
