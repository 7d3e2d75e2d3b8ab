// A computer listed by its address, an open-file limit of one, and users
// listed for good from the grids: what the server is told, what the lists
// and their files hold, what the form shows.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/text/cp1251.h"
#include "scenario_run.h"
#include "tests/support/contains.h"

namespace ov::e2e {
namespace {

const char* const kPolicyOffice =
    "0 host PC1 10.0.0.11\n"
    "0 host PC2 10.0.0.12\n"
    "0 host PC3 10.0.0.13\n"
    "0 ui check cb_denyf 1\n"
    "0 ui spin n_denyf 1\n"
    "0 connect PC1 ivan\n"
    "0 connect PC2 petr\n"
    "0 connect PC3 olga\n"
    "0 open 11 PC1 ivan C:\\Data\\a.doc\n"
    "0 open 12 PC1 ivan C:\\Data\\b.doc\n"
    "0 open 21 PC2 petr C:\\Data\\c.doc\n"
    "2.5 ui select st_conns 2\n"
    "2.5 ui click N47\n"
    "3.5 ui select ListBox2 0\n"
    "3.5 ui popup ListBox2\n"
    "3.5 ui answer сидоров\n"
    "3.5 ui click N7\n"
    "3.5 ui click save2\n"
    "3.5 ui select st_conns 1\n"
    "3.5 ui click N47\n"
    "3.5 ui click N47\n"
    "3.5 ui click N6\n"
    "4.5 dump lists.json\n"
    "5 exit\n";

using test::contains;

// The journal's lines of the policy's calls and dialogs, in order.
std::vector<std::string> policyLines(const std::vector<std::string>& journal) {
  std::vector<std::string> out;
  for (const std::string& line : journal)
    for (const char* call :
         {"NetSessionDel", "NetFileClose", "MessageBox", "InputBox"})
      if (contains(line, "\"call\": \"" + std::string(call) + "\""))
        out.push_back(line);
  return out;
}

TEST(PolicyScenario, ListedClientsAreKickedAndTheListsKeptInTheirFiles) {
  ScenarioRun run;
  std::ofstream(run.file("users"), std::ios::binary) << "10.0.0.13\r\n";
  ASSERT_EQ(run.run(kPolicyOffice), 0) << run.errors();

  const std::vector<std::string> expected = {
      journalLine("1.000", "NetSessionDel", R"("", "\\\\PC3", null)"),
      journalLine("1.000", "NetFileClose", R"("", 12)"),
      journalLine("1.000", "NetFileClose", R"("", 21)"),
      journalLine("3.000", "NetSessionDel", R"("", "\\\\PC2", "petr")"),
      journalLine(
          "3.500", "InputBox",
          R"("Добавить в лист", "Введите имя пользователя", "сидоров")"),
      journalLine("3.500", "MessageBox",
                  R"("Внимание", "Такое имя уже присутствует в списке", 0)"),
      // The computer list is checked before the user list.
      journalLine("4.000", "NetSessionDel", R"("", "\\\\PC1", null)")};
  EXPECT_EQ(policyLines(run.journal()), expected);

  EXPECT_EQ(run.read("users"), "10.0.0.13\r\nPC1\r\n");
  EXPECT_EQ(run.read("usrnames"), utf8ToCp1251("petr\r\nСИДОРОВ\r\nivan\r\n"));
  EXPECT_TRUE(contains(run.read("OV.CFG"), "[Log]\r\n")) << run.read("OV.CFG");

  const std::string lists = run.read("lists.json");
  EXPECT_TRUE(contains(lists,
                       "\"ListBox1\": {\"kind\": \"listbox\", \"enabled\": "
                       "true, \"visible\": true, \"items\": [\"10.0.0.13\", "
                       "\"PC1\"], \"selected\": null, \"bounds\""))
      << lists;
  EXPECT_TRUE(contains(lists,
                       "\"items\": [\"petr\", \"СИДОРОВ\", \"ivan\"], "
                       "\"selected\": 0, \"bounds\""))
      << lists;
  EXPECT_TRUE(contains(lists,
                       "\"gb_kickcomputers\": {\"kind\": \"groupbox\", "
                       "\"enabled\": true, \"visible\": true, \"caption\": "
                       "\"Мочить компьютеры:\", \"bounds\""))
      << lists;
  EXPECT_TRUE(contains(lists,
                       "\"N7\": {\"kind\": \"menuitem\", \"enabled\": true, "
                       "\"visible\": true, \"caption\": \"Добавить\""))
      << lists;
  // The client kicked at 4 s still shows in the grid of that cycle.
  EXPECT_TRUE(contains(lists, "[\"PC1\", \"ivan\", \"0:00:04\"")) << lists;
}

}  // namespace
}  // namespace ov::e2e
