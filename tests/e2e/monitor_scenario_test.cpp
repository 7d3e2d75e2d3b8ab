// Three clients come, open a file, a folder and a pipe, and one leaves:
// what the grids, the lists, the balloons and the tray show.
#include <gtest/gtest.h>

#include <fstream>

#include "scenario_run.h"
#include "tests/support/contains.h"

namespace ov::e2e {
namespace {

using test::contains;

const char* const kThreeClients =
    "0 host PC1 10.0.0.11\n"
    "0 host PC2 10.0.0.12\n"
    "0 dir C:\\Data\\Folder\n"
    "0 share Data C:\\Data\n"
    "0 ui check cb_lognullconn 0\n"
    "0.5 ui tray dblclick\n"
    "2 connect PC1 ivan cltype=\"Windows 5.1\" "
    "transport=\\Device\\NetBT_Tcpip_{1}\n"
    "2 connect PC2 petr cltype=\"Windows 5.0\" transport=\\Device\\NwlnkNb\n"
    "2 connect 10.0.0.13 \"\"\n"
    "3 open 11 PC1 ivan C:\\Data\\a.doc perm=3 locks=1\n"
    "3 open 12 PC2 petr C:\\Data\\Folder\n"
    "3 open 13 PC2 petr \\PIPE\\spoolss perm=2\n"
    "10.5 dump mid.json\n"
    "11 ui page 2\n"
    "12.5 dump res.json\n"
    "20 disconnect PC1 ivan\n"
    "30 exit\n";

class MonitorScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(run.run(kThreeClients, {"--dump", "end.json"}), 0)
        << run.errors();
  }
  ScenarioRun run;
};

TEST_F(MonitorScenario, GridsShowSessionsAndOpenFilesOfTheCycle) {
  const std::string mid = run.read("mid.json");
  EXPECT_TRUE(contains(
      mid,
      "\"rows\": [[\"Клиент\", \"Пользователь\", \"Активен\", \"Простой\", "
      "\"Система\", \"Протокол\", \"Залез в\", \"Сейчас\"], "
      "[\"PC1\", \"ivan\", \"0:00:08\", \"0:00:07\", \"Windows 5.1\", "
      "\"TCP-IP\", \"1\", \"9:00:10\"], "
      "[\"PC2\", \"petr\", \"0:00:08\", \"0:00:07\", \"Windows 5.0\", "
      "\"NETBIOS\", \"2\", \"9:00:10\"], "
      "[\"10.0.0.13\", \"\", \"0:00:08\", \"0:00:08\", \"\", \"\", \"0\", "
      "\"9:00:10\"], "
      "[\"\", \"\", \"\", \"\", \"\", \"\", \"\", \"\"]]"))
      << mid;
  EXPECT_TRUE(contains(
      mid,
      "\"rows\": [[\"Подключён\", \"ID\", \"Разр.\", \"Запр.\", "
      "\"Файл/путь\"], "
      "[\"ivan\", \"11\", \"R/W\", \"1\", \"C:\\\\Data\\\\a.doc\"], "
      "[\"petr\", \"12\", \"DIR\", \"0\", \"C:\\\\Data\\\\Folder\"], "
      "[\"petr\", \"13\", \"запись\", \"0\", \"\\\\PIPE\\\\spoolss\"], "
      "[\"\", \"\", \"\", \"\", \"\"]]"))
      << mid;
}

TEST_F(MonitorScenario, ResourcesPageListsEachClientsShares) {
  const std::string resources = run.read("res.json");
  EXPECT_TRUE(contains(resources,
                       "\"ListBox4\": {\"kind\": \"listbox\", \"enabled\": "
                       "true, \"visible\": true, \"items\": [\"PC1\", \"- "
                       "Data\", \"PC2\", \"- Data\", \"- IPC$\", "
                       "\"10.0.0.13\"], \"selected\": null, \"bounds\""))
      << resources;
  // The connections grid is not rewritten while another page shows.
  EXPECT_TRUE(contains(resources, "\"9:00:10\"]"));
  EXPECT_FALSE(contains(resources, "\"9:00:12\""));
}

TEST_F(MonitorScenario, EndedConnectionMovesToTheHistory) {
  const std::string end = run.read("end.json");
  EXPECT_TRUE(contains(end,
                       "\"items\": [[\"PC1\", \"ivan\", \"Windows 5.1\", "
                       "\"0:00:17\", \"05.03.2026 9:00:02\"]]"))
      << end;
}

TEST_F(MonitorScenario, NewUsersAreAnnouncedOnceAndTheTrayFollowsTheCounts) {
  const std::vector<std::string> expected = {
      journalLine("0.000", "TrayIcon",
                  "\"add\", \"idle\", \"Монитор сети\", 1007"),
      journalLine("0.000", "TrayIcon",
                  "\"modify\", \"idle\", \"Соединений:0\", 1007"),
      // The start timer hides the window and registers the hot keys.
      journalLine("0.010", "RegisterHotKey", "16, 1, 122, true"),
      journalLine("0.010", "RegisterHotKey", "17, 1, 123, true"),
      journalLine("2.000", "Balloon", "\"Подключился:\", \"PC1 (ivan)\", 5000"),
      journalLine("2.000", "Balloon", "\"Подключился:\", \"PC1 (ivan)\", 5000"),
      journalLine("2.000", "Balloon", "\"Подключился:\", \"PC2 (petr)\", 5000"),
      journalLine("2.000", "Balloon", "\"Подключился:\", \"PC2 (petr)\", 5000"),
      journalLine(
          "2.000", "TrayIcon",
          "\"modify\", \"userless\", \"Соединений:3; Открыто:0\", 1007"),
      // The folder is not an open file; the pipe is while pipes are logged.
      journalLine(
          "3.000", "TrayIcon",
          "\"modify\", \"userless\", \"Соединений:3; Открыто:2\", 1007"),
      journalLine("8.000", "Balloon", "\"\", \"\", 0"),
      journalLine(
          "20.000", "TrayIcon",
          "\"modify\", \"userless\", \"Соединений:2; Открыто:1\", 1007"),
      journalLine(
          "30.000", "TrayIcon",
          "\"delete\", \"userless\", \"Соединений:2; Открыто:1\", 1007")};
  EXPECT_EQ(run.journal(), expected);
}

TEST(MonitorSettings, ConfigurationRoundTripsThroughARun) {
  ScenarioRun run;
  std::ofstream(run.file("OV.CFG"), std::ios::binary)
      << "[Kick]\r\nAutoKick=0\r\nKickTime=25\r\n[Display]\r\nCleanTable=0\r\n"
         "T1W3=0\r\n[Timer]\r\nRefresh=500\r\n";
  ASSERT_EQ(run.run("1 ui spin tobnovl 700\n2 ui check cb_conninfo 0\n"
                    "3 exit\n",
                    {"--dump", "end.json"}),
            0)
      << run.errors();
  const std::string config = run.read("OV.CFG");
  EXPECT_TRUE(contains(config, "[Kick]\r\nAutoKick=0\r\nKickTime=25\r\n"))
      << config;
  EXPECT_TRUE(contains(config, "[Timer]\r\nRefresh=700\r\n")) << config;
  EXPECT_TRUE(contains(config, "Balloons=0\r\n")) << config;
  EXPECT_TRUE(contains(config, "CleanTable=0\r\n")) << config;
  EXPECT_TRUE(contains(config, "T1W3=0\r\n")) << config;
  const std::string end = run.read("end.json");
  EXPECT_TRUE(
      contains(end,
               "\"mochilkabox\": {\"kind\": \"checkbox\", "
               "\"enabled\": true, \"visible\": true, \"caption\": "
               "\"Мочить по простою (мин)\", \"checked\": false, \"bounds\""));
  EXPECT_TRUE(contains(end,
                       "\"kicktime\": {\"kind\": \"spin\", \"enabled\": "
                       "true, \"visible\": true, \"value\": 25, \"bounds\""));
}

}  // namespace
}  // namespace ov::e2e
