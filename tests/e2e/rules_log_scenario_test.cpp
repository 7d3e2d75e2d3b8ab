// Rules and the file log over a whole run: rules loaded from the file and
// added in the editor act on connections, times and files; the file log,
// the form and the rules written at exit show what happened.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/text/cp1251.h"
#include "scenario_run.h"
#include "tests/support/contains.h"

namespace ov::e2e {
namespace {

using test::contains;

const char* const kRulesOffice =
    "0 host PC1 10.0.0.11\n"
    "0 host PC2 10.0.0.12\n"
    "2 connect PC1 ivan\n"
    "2 connect 10.0.0.12 petr\n"
    "3 open 1 PC1 ivan C:\\Docs\\a.doc\n"
    "3 open 2 10.0.0.12 petr C:\\Docs\\budget.XLS\n"
    "4 ui text t_user 10.0.0.11\n"
    "4 ui combo cb_event 2\n"
    "4 ui text t_parame 10\n"
    "4 ui combo cb_actions 1\n"
    "4 ui radio rg1 0\n"
    "4 ui click b_addrule\n"
    "5 dump mid.json\n"
    "20 exit\n";

class RulesAndLogScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ofstream(run.file("OV.CFG"), std::ios::binary)
        << "[Options]\r\nRules=1\r\n[Log]\r\nUse=1\r\nFiles=files.log\r\n";
    std::ofstream(run.file("rules"), std::ios::binary) << utf8ToCp1251(
        "0\r\n2\r\n*\r\nДобро пожаловать\r\n\r\n255\r\n"
        "1\r\n0\r\n10.0.0.12\r\n\r\nxls\r\n1\r\n");
    ASSERT_EQ(run.run(kRulesOffice,
                      {"--start", "2006-03-05 09:05:00", "--dump", "end.json"}),
              0)
        << run.errors();
  }

  // The journal's lines of the calls rules make.
  std::vector<std::string> ruleCalls() const {
    std::vector<std::string> lines;
    for (const std::string& line : run.journal())
      if (contains(line, "\"NetSessionDel\"") ||
          contains(line, "\"PlaySound\"") || contains(line, "\"MessageBox\""))
        lines.push_back(line);
    return lines;
  }

  ScenarioRun run;
};

TEST_F(RulesAndLogScenario, RulesActOnConnectionsFilesAndTimes) {
  const std::vector<std::string> expected = {
      journalLine("2.000", "MessageBox",
                  "\"10.0.0.11\", \"Добро пожаловать\", 327680"),
      journalLine("2.000", "MessageBox",
                  "\"10.0.0.12\", \"Добро пожаловать\", 327680"),
      journalLine("3.000", "NetSessionDel",
                  "\"\", \"\\\\\\\\10.0.0.12\", null"),
      journalLine("12.000", "PlaySound", "\"sound1.wav\"")};
  EXPECT_EQ(ruleCalls(), expected);
}

TEST_F(RulesAndLogScenario, TheFileLogHoldsOneLinePerOpening) {
  EXPECT_EQ(run.read("files.log"),
            "[ 9:05:03  05.03.06] [PC1] C:\\Docs\\a.doc\r\n"
            "[ 9:05:03  05.03.06] [10.0.0.12] C:\\Docs\\budget.XLS\r\n");
  const std::string end = run.read("end.json");
  EXPECT_TRUE(contains(
      end,
      "\"items\": [[\"PC1\", \"C:\\\\Docs\\\\a.doc\", \"05.03.2006 "
      "9:05:03\", \"-\"], [\"10.0.0.12\", \"C:\\\\Docs\\\\budget.XLS\", "
      "\"05.03.2006 9:05:03\", \"-\"]]"))
      << end;
  // The disconnected client opened a file, so its connection is listed.
  EXPECT_TRUE(contains(end,
                       "[\"10.0.0.12\", \"petr\", \"\", \"0:00:01\", "
                       "\"05.03.2006 9:05:02\"]"))
      << end;
}

TEST_F(RulesAndLogScenario, TheListAndTheFileKeepTheRulesThatRemain) {
  const std::string mid = run.read("mid.json");
  EXPECT_TRUE(contains(
      mid,
      "\"items\": [[\"*\", \"Подключился \", \"Добро пожаловать\", \"Вывести "
      "на экран предупреждение\", \"Постоянно\"], [\"10.0.0.11\", \"Время "
      "соединения = (сек)\", \"sound1.wav\", \"Проиграть звук\", \"Один "
      "раз\"]]"))
      << mid;
  EXPECT_TRUE(contains(mid,
                       "\"lb_param\": {\"kind\": \"label\", \"enabled\": "
                       "true, \"visible\": true, \"caption\": \"Имя "
                       "файла:\", \"bounds\""))
      << mid;
  const std::string end = run.read("end.json");
  EXPECT_TRUE(contains(end,
                       "\"items\": [[\"*\", \"Подключился \", \"Добро "
                       "пожаловать\", \"Вывести на экран предупреждение\", "
                       "\"Постоянно\"]]"))
      << end;
  EXPECT_EQ(run.read("rules"),
            utf8ToCp1251("0\r\n2\r\n*\r\nДобро пожаловать\r\n\r\n255\r\n"));
}

}  // namespace
}  // namespace ov::e2e
