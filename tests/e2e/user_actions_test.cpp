// What a user does to the window besides clicking controls: sizing and
// minimising it, double clicks, keys and shortcuts, check boxes in lists,
// hot-key fields and lines typed into dialogs, each played from a scenario.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "scenario_run.h"
#include "tests/support/contains.h"

namespace ov::e2e {
namespace {

using test::contains;

// The dump's entry of one control, braces included; empty when absent.
std::string entry(const std::string& dump, const std::string& name) {
  const std::string key = "\"" + name + "\": {";
  const std::size_t start = dump.find(key);
  if (start == std::string::npos) return "";
  int depth = 0;
  bool quoted = false;
  for (std::size_t i = start + key.size() - 1; i < dump.size(); ++i) {
    const char c = dump[i];
    if (quoted) {
      if (c == '\\') ++i;
      if (c == '"') quoted = false;
    } else if (c == '"') {
      quoted = true;
    } else if (c == '{') {
      ++depth;
    } else if (c == '}' && --depth == 0) {
      return dump.substr(start, i + 1 - start);
    }
  }
  return "";
}

const char* const kOneClient =
    "0 host PC1 10.0.0.11\n"
    "0 share Docs C:\\Docs\n"
    "0 share Price C:\\Price\n"
    "1 ui tray dblclick\n"
    "2 connect PC1 ivan\n"
    "3 open 5 PC1 ivan C:\\Docs\\a.doc\n";

TEST(UserActions, TheWindowSizesWithinItsSmallestAndRestsWhileMinimised) {
  ScenarioRun run;
  ASSERT_EQ(run.run(std::string(kOneClient) +
                    "4 ui resize 800 500\n"
                    "4.5 dump big.json\n"
                    // The path column hidden by its toggle item ...
                    "5 ui popup st_files\n"
                    "5 ui click N48\n"
                    "5.5 dump hidden.json\n"
                    // ... comes back at the next resize.
                    "6 ui resize 700 400\n"
                    "6.5 dump smaller.json\n"
                    "7 ui resize 100 50\n"
                    "7.5 dump tiny.json\n"
                    "8 ui resize 760 480\n"
                    "9 ui minimize\n"
                    "9.5 dump minimized.json\n"
                    "10 open 6 PC1 ivan C:\\Docs\\b.doc\n"
                    "12.5 dump later.json\n"
                    "13 ui restore\n"
                    "14.5 dump restored.json\n"
                    // The statistics page, minimised, keeps its numbers.
                    "15 stats server sts0_fopens=42\n"
                    "15 ui page 4\n"
                    "16 ui minimize\n"
                    "17 stats server sts0_fopens=99\n"
                    "19.5 dump statsmin.json\n"
                    "20 ui restore\n"
                    "21.5 dump statsback.json\n"
                    "22 exit\n"),
            0)
      << run.errors();
  const std::string big = run.read("big.json");
  EXPECT_TRUE(contains(entry(big, "Form1"), "\"width\": 800, \"height\": 500"))
      << entry(big, "Form1");
  EXPECT_TRUE(
      contains(entry(big, "st_files"), "\"colWidths\": [70, 70, 70, 70, 340]"))
      << entry(big, "st_files");
  EXPECT_TRUE(contains(entry(run.read("hidden.json"), "st_files"),
                       "\"colWidths\": [70, 70, 70, 70, 0]"));
  // 100 pixels narrower, the path column is 100 narrower.
  EXPECT_TRUE(contains(entry(run.read("smaller.json"), "st_files"),
                       "\"colWidths\": [70, 70, 70, 70, 240]"));
  EXPECT_TRUE(contains(entry(run.read("tiny.json"), "Form1"),
                       "\"width\": 400, \"height\": 100"));

  // Minimised, the uptime stands still; restored, it shows again.
  const std::string minimized = entry(run.read("minimized.json"), "Form1");
  EXPECT_TRUE(contains(minimized, "\"state\": \"minimized\"")) << minimized;
  EXPECT_TRUE(
      contains(entry(run.read("minimized.json"), "sb"), "Работаем: 00:00:08"));
  EXPECT_TRUE(
      contains(entry(run.read("later.json"), "sb"), "Работаем: 00:00:08"));
  EXPECT_FALSE(contains(entry(run.read("later.json"), "st_files"), "b.doc"));
  const std::string restored = run.read("restored.json");
  EXPECT_TRUE(contains(entry(restored, "Form1"), "\"state\": \"normal\""));
  EXPECT_TRUE(contains(entry(restored, "sb"), "Работаем: 00:00:14"));
  EXPECT_TRUE(contains(entry(restored, "st_files"), "b.doc"));
  EXPECT_TRUE(contains(entry(run.read("statsmin.json"), "m_statsv"),
                       "Файлов открыто: 42"));
  EXPECT_TRUE(contains(entry(run.read("statsback.json"), "m_statsv"),
                       "Файлов открыто: 99"));

  // The size the user left is saved at close.
  const std::string config = run.read("OV.CFG");
  EXPECT_TRUE(contains(config, "Width=760\r\nHeigth=480\r\n")) << config;
}

TEST(UserActions, DoubleClicksOpenTheComputerAndTheLogAndCopyARule) {
  ScenarioRun run;
  ASSERT_EQ(run.run(std::string(kOneClient) + "4 ui dblclick st_conns 1\n"
                                              "5 ui dblclick t_log\n"
                                              "6 ui text t_user 10.0.0.11\n"
                                              "6 ui combo cb_event 0\n"
                                              "6 ui combo cb_actions 2\n"
                                              "6 ui text t_param Стоп\n"
                                              "6 ui click b_addrule\n"
                                              "7 ui text t_user \"\"\n"
                                              "7 ui text t_param \"\"\n"
                                              "8 ui dblclick lv_rules 0\n"
                                              "8.5 dump copied.json\n"
                                              "9 quit\n"),
            0)
      << run.errors();
  const auto journal = run.journal();
  EXPECT_TRUE(journaled(
      journal, journalLine("4.000", "ShellExecute", "null, \"\\\\\\\\PC1\"")));
  EXPECT_TRUE(journaled(
      journal, journalLine("5.000", "ShellExecute", "null, \"netfiles.log\"")));
  const std::string copied = run.read("copied.json");
  EXPECT_TRUE(contains(entry(copied, "t_user"), "\"text\": \"10.0.0.11\""))
      << entry(copied, "t_user");
  EXPECT_TRUE(contains(entry(copied, "t_param"), "\"text\": \"Стоп\""));
}

TEST(UserActions, KeysReachTheMenuWhileTheWindowShowsAndHotKeysAlways) {
  ScenarioRun run;
  ASSERT_EQ(run.run(std::string(kOneClient) +
                    "4 ui key F3\n"
                    "4.5 dump netsend.json\n"
                    "5 ui dialog close\n"
                    // The show/hide hot key hides the window ...
                    "6 ui key Alt+F11\n"
                    "6.5 dump hidden.json\n"
                    // ... where the menu's keys do not reach it,
                    "7 ui key F4\n"
                    "7.5 dump still.json\n"
                    // and shows it again.
                    "8 ui key Alt+F11\n"
                    "9 ui key F1\n"
                    "10 ui key Ctrl+S\n"
                    "11 ui key Ctrl+X\n"),
            0)
      << run.errors();
  EXPECT_TRUE(contains(entry(run.read("netsend.json"), "dialog"),
                       "\"caption\": \"net sender\""));
  EXPECT_TRUE(contains(entry(run.read("hidden.json"), "Form1"),
                       "\"state\": \"hidden\""));
  EXPECT_EQ(entry(run.read("still.json"), "dialog"), "");
  EXPECT_TRUE(contains(run.errors(), "'ui key F4': the window is not shown"))
      << run.errors();
  const auto journal = run.journal();
  EXPECT_NE(std::find_if(journal.begin(), journal.end(),
                         [](const std::string& line) {
                           return contains(line, "\"t\": 9.000") &&
                                  contains(line, "help.chm");
                         }),
            journal.end());
  // Ctrl+S saved the settings; Ctrl+X ended the run before its 3600 s.
  EXPECT_TRUE(contains(run.read("OV.CFG"), "[HotKey]\r\nKey=122\r\nMod=1\r\n"));
  EXPECT_TRUE(contains(journal.back(), "\"t\": 11.000")) << journal.back();
}

TEST(UserActions, ListMarksHotKeyFieldsAndTypedLinesReachTheirFiles) {
  ScenarioRun run;
  ASSERT_EQ(run.run(std::string(kOneClient) +
                    "3 mailslot PC1 accept\n"
                    "4 ui page 2\n"
                    "4 ui check lv_shares 1 0\n"
                    "4 ui click saveres\n"
                    "5 ui hotkey-field hk2 Ctrl+Alt K\n"
                    // Without Alt or Ctrl the field puts Alt in.
                    "5 ui hotkey-field hk1 Shift F9\n"
                    "6 ui click b_reghk\n"
                    "7 ui key F3\n"
                    "7 ui dialog memo \"Привет\\r\\nмир \\\\ и \\д\"\n"
                    "7.5 dump typed.json\n"
                    "8 quit\n"),
            0)
      << run.errors();
  EXPECT_EQ(run.read("shares"), "Price\r\n");
  const std::string config = run.read("OV.CFG");
  EXPECT_TRUE(
      contains(config, "Key=120\r\nMod=1\r\nKickKey=75\r\nKickMod=3\r\n"))
      << config;
  EXPECT_TRUE(journaled(run.journal(), journalLine("6.000", "RegisterHotKey",
                                                   "17, 3, 75, true")));
  const std::string typed = run.read("typed.json");
  EXPECT_TRUE(contains(typed, "\"lines\": [\"Привет\", \"мир \\\\ и \\\\д\"]"))
      << typed;
}

TEST(UserActions, ThePointerLightsTheAboutWindowsLinksAndAClickOpensThem) {
  ScenarioRun run;
  ASSERT_EQ(run.run("1 ui tray dblclick\n"
                    "2 ui click mnu_about\n"
                    "3 ui hover lb_mail 5 5\n"
                    "3.5 dump over.json\n"
                    "4 ui hover lb_mail leave\n"
                    "4.5 dump left.json\n"
                    "5 ui dialog click lb_site\n"
                    "6 ui dialog click orvane@orvane.example\n"
                    "7 ui hover lb_none 1 1\n"
                    "8 ui dialog close\n"
                    "9 quit\n"),
            0)
      << run.errors();
  const auto linkIn = [&run](const char* file) {
    const std::string dialog = entry(run.read(file), "dialog");
    const std::size_t at = dialog.find("\"name\": \"lb_mail\"");
    return at == std::string::npos ? "" : dialog.substr(at, 160);
  };
  EXPECT_TRUE(contains(linkIn("over.json"),
                       "\"color\": \"FF0000\", \"underline\": true"))
      << linkIn("over.json");
  EXPECT_TRUE(contains(linkIn("left.json"),
                       "\"color\": \"0000FF\", \"underline\": false"))
      << linkIn("left.json");
  const auto journal = run.journal();
  EXPECT_TRUE(
      journaled(journal, journalLine("5.000", "ShellExecute",
                                     "\"open\", \"https://orvane.example/\"")));
  EXPECT_TRUE(journaled(
      journal, journalLine("6.000", "ShellExecute",
                           "\"open\", \"mailto:orvane@orvane.example\"")));
  EXPECT_TRUE(contains(run.errors(), "no control named 'lb_none'"))
      << run.errors();
}

TEST(UserActions, TheDumpShowsWhereThingsStandTheirHintsAndTheGraphsTexts) {
  ScenarioRun run;
  ASSERT_EQ(run.run("1 ui tray dblclick\n"
                    "2 ui resize 680 460\n"
                    "3 ui click mnu_about\n"
                    "3.5 dump about.json\n"
                    "4 ui dialog close\n"
                    "5 quit\n"),
            0)
      << run.errors();
  const std::string dump = run.read("about.json");
  EXPECT_TRUE(contains(entry(dump, "Form1"),
                       "\"bounds\": {\"left\": 0, \"top\": 0, \"width\": 680, "
                       "\"height\": 460}"));
  // The about window, 440 by 140, centred over the window.
  EXPECT_TRUE(contains(entry(dump, "dialog"),
                       "\"bounds\": {\"left\": 120, \"top\": 160, \"width\": "
                       "440, \"height\": 140}, \"hint\": \"\"}"))
      << entry(dump, "dialog");
  EXPECT_TRUE(contains(entry(dump, "t_log"),
                       "\"hint\": \"Двойной клик для открытия лога\""));
  EXPECT_TRUE(contains(entry(dump, "lv_rules"),
                       "\"columnWidths\": [120, 100, 95, 110, 90]"));
  // The graph's minute marks, where they were written.
  EXPECT_TRUE(contains(entry(dump, "Image1"),
                       "\"texts\": [{\"text\": \"30\", \"x\": 30, \"y\": 91}, "
                       "{\"text\": \"60\", \"x\": 60, \"y\": 91}"))
      << entry(dump, "Image1").substr(0, 200);
}

TEST(UserActions, TheStartTimeCarriesHundredthsIntoTheRunIdentifier) {
  ScenarioRun run;
  ASSERT_EQ(run.run("0 iface eth0 in=0 out=0\n31 exit\n",
                    {"--start", "2026-03-05 09:00:00.250"}),
            0)
      << run.errors();
  EXPECT_TRUE(contains(run.read("traffic.log"), "sessID: 9025 "))
      << run.read("traffic.log");

  EXPECT_EQ(run.run("1 exit\n", {"--start", "2026-03-05 09:00:00.25"}), 2);
  EXPECT_TRUE(contains(run.errors(), "YYYY-MM-DD HH:MM:SS[.mmm]"));
}

TEST(UserActions, KeysRowsAndCombinationsTheScenarioCannotMeanStopIt) {
  expectRefused({
      {"1 ui key Ctrl+\n", "'Ctrl+' is not a key"},
      {"1 ui key Meta+K\n", "'Meta+K' is not a key"},
      {"1 ui key F25\n", "'F25' is not a key"},
      {"1 ui hotkey-field hk1 Ctrl+Ctrl K\n", "MODS must be 'none'"},
      {"1 ui hotkey-field hk1 Alt Enter\n", "'Enter' is not a key"},
      {"1 ui hotkey-field t_user Alt K\n", "'t_user' cannot take"},
      {"1 ui check lv_shares -1 1\n", "bad ROW"},
      {"1 ui check lv_shares 0 2\n", "STATE must be"},
      {"1 ui check cb_event 0 1\n", "'cb_event' cannot take 'ui check'"},
      {"1 ui dblclick b_addrule\n", "'b_addrule' cannot take 'ui dblclick'"},
      {"1 ui resize 800\n", "missing H"},
      {"1 ui minimize now\n", "unexpected argument 'now'"},
  });
}

}  // namespace
}  // namespace ov::e2e
