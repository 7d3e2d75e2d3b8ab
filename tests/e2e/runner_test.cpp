// The runner end to end: command line, scenario errors, ending the run,
// the dump and the journal.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

#include "platform/posix/posix_icmp.h"
#include "scenario_run.h"
#include "tests/support/contains.h"

namespace ov::e2e {
namespace {

using test::contains;

TEST(Runner, ScenarioErrorsStopTheRunBeforeItStarts) {
  ScenarioRun run;
  EXPECT_EQ(run.run("0 connect PC1 ivan\n\n3 frobnicate x\n"), 2);
  EXPECT_TRUE(contains(run.errors(), "test.scn:3: unknown verb 'frobnicate'"))
      << run.errors();
  EXPECT_TRUE(run.journal().empty());

  EXPECT_EQ(run.run("0 connect PC1 ivan\n5 ui click b_nothing\n"), 2);
  EXPECT_TRUE(
      contains(run.errors(), "test.scn:2: no control named 'b_nothing'"))
      << run.errors();

  EXPECT_EQ(run.run("1 ui spin cb_cleantable 5\n"), 2);
  EXPECT_TRUE(contains(run.errors(), "test.scn:1: 'cb_cleantable' cannot take"))
      << run.errors();

  EXPECT_EQ(run.run("1 ui page 6\n"), 2);
  EXPECT_TRUE(contains(run.errors(), "no page 6")) << run.errors();

  // A dialog verb names a role, click or close; a list box takes a popup,
  // a button has no menu to open.
  EXPECT_EQ(run.run("1 ui dialog title x\n"), 2);
  EXPECT_TRUE(contains(run.errors(), "ROLE must be 'edit1' or 'edit2'"))
      << run.errors();
  EXPECT_EQ(run.run("1 ui tray menu b_addrule\n"), 2);
  EXPECT_TRUE(contains(run.errors(), "no menu item named 'b_addrule'"))
      << run.errors();
  EXPECT_EQ(run.run("1 ui popup b_addrule\n"), 2);
  EXPECT_TRUE(contains(run.errors(), "'b_addrule' cannot take 'ui popup'"))
      << run.errors();

  EXPECT_EQ(run.run("0 connect PC1 ivan\n", {"--run-for", "soon"}), 2);
  EXPECT_EQ(run.run("0 connect PC1 ivan\n", {"--start", "2026-02-30 10:00:00"}),
            2);
}

TEST(Runner, BinaryExitsWithStatusTwoOnABadCommandLineAndZeroOnTheDemo) {
  const std::string bin = ORVANE_BIN;
  int status =
      std::system((bin + " --run-for 5 --frobnicate 1 2>/dev/null").c_str());
  EXPECT_EQ(WEXITSTATUS(status), 2);
  ScenarioRun folder;
  const std::string journal = (folder.dir() / "j.jsonl").string();
  status =
      std::system((bin + " --sim " + ORVANE_DEMO + " --run-for 120 --dir " +
                   folder.dir().string() + " --journal " + journal)
                      .c_str());
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_FALSE(folder.read("j.jsonl").empty());
}

TEST(Runner, HelpTellsEveryOptionAndAFolderThatIsNotThereIsRefused) {
  const std::string bin = ORVANE_BIN;
  ScenarioRun folder;
  for (const char* asked : {"--help", "-h", "--run-for 5 --help"}) {
    const std::string out = (folder.dir() / "out.txt").string();
    const int status =
        std::system((bin + " " + asked + " >" + out + " 2>&1").c_str());
    EXPECT_EQ(WEXITSTATUS(status), 0) << asked;
    const std::string text = folder.read("out.txt");
    EXPECT_EQ(text.rfind("usage: orvane [--sim FILE | --server NAME", 0), 0u)
        << text;
    for (const char* option :
         {"--sim FILE ", "--server NAME ", "--credentials FILE ", "--show ",
          "--status FILE ", "--run-for SECONDS ", "--dir DIR ",
          "--journal FILE ", "--dump FILE ", "--start TIME ", "--help, -h "})
      EXPECT_NE(text.find(std::string("\n  ") + option), std::string::npos)
          << option;
  }

  EXPECT_EQ(folder.run("0 connect PC1 ivan\n",
                       {"--dir", (folder.dir() / "missing").string()}),
            2);
  EXPECT_EQ(folder.errors(), "--dir names no folder: '" +
                                 (folder.dir() / "missing").string() + "'");
  std::ofstream(folder.dir() / "a file") << "x";
  EXPECT_EQ(folder.run("0 connect PC1 ivan\n",
                       {"--dir", (folder.dir() / "a file").string()}),
            2);
  EXPECT_FALSE(std::filesystem::exists(folder.dir() / "missing"));

  // A real server is watched instead of a scenario, never beside one.
  EXPECT_EQ(folder.run("0 connect PC1 ivan\n",
                       {"--server", "FILESRV", "--credentials", "a.creds"}),
            2);
  EXPECT_EQ(folder.errors(), "--sim and --server exclude each other");
  const std::string lonely = (folder.dir() / "out.txt").string();
  const int status = std::system(
      (bin + " --server FILESRV --run-for 1 >" + lonely + " 2>&1").c_str());
  EXPECT_EQ(WEXITSTATUS(status), 2);
  EXPECT_EQ(folder.read("out.txt").rfind(
                "orvane: --server and --credentials go together\n", 0),
            0u)
      << folder.read("out.txt");
  const int alone = std::system(
      (bin + " --smb-conf smb.conf --run-for 1 >" + lonely + " 2>&1").c_str());
  EXPECT_EQ(WEXITSTATUS(alone), 2);
  EXPECT_EQ(folder.read("out.txt").rfind(
                "orvane: --smb-conf goes with --server\n", 0),
            0u)
      << folder.read("out.txt");
}

TEST(Runner, ExitEndsTheRunAtItsMomentAsTheMainMenuExitDoes) {
  ScenarioRun run;
  ASSERT_EQ(run.run("0 connect PC1 ivan\n12.5 exit\n30 disconnect PC1 ivan\n"),
            0)
      << run.errors();
  const auto journal = run.journal();
  ASSERT_FALSE(journal.empty());
  EXPECT_EQ(journal.front(),
            journalLine("0.000", "TrayIcon",
                        "\"add\", \"idle\", \"Монитор сети\", 1007"));
  EXPECT_EQ(journal.back().substr(0, 13), "{\"t\": 12.500,");
  EXPECT_TRUE(contains(journal.back(), "\"TrayIcon\", \"args\": [\"delete\""));
}

TEST(Runner, DumpShowsTheFormAtThatMomentAndAtTheEnd) {
  ScenarioRun run;
  const std::string mid = (run.dir() / "mid.json").string();
  ASSERT_EQ(
      run.run("2 ui page 5\n3 dump \"" + mid +
                  "\"\n4 ui page 3\n5 ui check cb_cleantable 1\n"
                  "6 ui spin tobnovl 250\n7 ui text Edit1 \"PC 7\"\n",
              {"--run-for", "10", "--dump", (run.dir() / "end.json").string()}),
      0)
      << run.errors();
  const std::string atThree = run.read("mid.json");
  // The program lives hidden in the tray unless the user opens it.
  EXPECT_TRUE(
      contains(atThree, "\"caption\": \"Orvane\", \"state\": \"hidden\""))
      << atThree;
  EXPECT_TRUE(contains(atThree,
                       "\"stranichki\": {\"kind\": \"pages\", "
                       "\"enabled\": true, \"visible\": true, "
                       "\"pages\": [\"Подключения\", \"Безопасность\", "
                       "\"Ресурсы\", \"Настройки\", \"Статистика\", "
                       "\"История\"], \"active\": 5, \"bounds\""))
      << atThree;
  EXPECT_TRUE(contains(atThree,
                       "\"rows\": [[\"Клиент\", \"Пользователь\", "
                       "\"Активен\", \"Простой\", \"Система\", "
                       "\"Протокол\", \"Залез в\", \"Сейчас\"]"));
  EXPECT_TRUE(contains(atThree,
                       "\"rows\": [[\"Подключён\", \"ID\", "
                       "\"Разр.\", \"Запр.\", \"Файл/путь\"]"));
  const std::string atEnd = run.read("end.json");
  EXPECT_TRUE(contains(atEnd, "\"active\": 3, \"bounds\""));
  EXPECT_TRUE(contains(atEnd,
                       "\"cb_cleantable\": {\"kind\": \"checkbox\", "
                       "\"enabled\": true, \"visible\": true, "
                       "\"caption\": \"Очищать соединения\", "
                       "\"checked\": true, \"bounds\""));
  EXPECT_TRUE(contains(atEnd,
                       "\"tobnovl\": {\"kind\": \"spin\", \"enabled\": "
                       "true, \"visible\": true, \"value\": 250, \"bounds\""));
  EXPECT_TRUE(contains(atEnd, "\"text\": \"PC 7\""));
}

}  // namespace
}  // namespace ov::e2e

namespace ov::e2e {
namespace {

TEST(Runner, AModalDialogPlaysTheScenarioOnInsideItAndTheEndDumpSeesIt) {
  ScenarioRun run;
  ASSERT_EQ(run.run("0 connect PC1 ivan\n"
                    "1 ui click mnu_about\n"
                    "1.6 dump mid.json\n"
                    "2 connect PC2 petr\n"
                    "3 dump late.json\n"
                    "3.5 ui dialog close\n"
                    "4 dump after.json\n"
                    "5 ui dialog close\n"
                    "6 ui click mnu_about\n",
                    {"--run-for", "8", "--dump", "end.json"}),
            0)
      << run.errors();
  // A dialog verb with no dialog open is reported, and the run goes on.
  EXPECT_TRUE(contains(run.errors(), "'ui dialog': no dialog is open"))
      << run.errors();
  // Eleven 50 ms fade ticks by 1.6 s: the line comes before the timer due
  // at its moment.
  const std::string mid = run.read("mid.json");
  EXPECT_TRUE(contains(mid, R"("dialog": {"kind": "dialog", "enabled": true, )"
                            R"("visible": true, "caption": "О программе...", )"
                            R"("opacity": 110, )"))
      << mid;
  EXPECT_TRUE(contains(mid,
                       R"({"kind": "label", "role": null, )"
                       R"("name": "lb_mail", "enabled": true, )"
                       R"("visible": true, )"
                       R"("caption": "orvane@orvane.example", )"
                       R"("color": "0000FF", "underline": false, "bounds")"));
  // It fades in to 240 of 255 and stops there; the monitor ticked on.
  const std::string late = run.read("late.json");
  EXPECT_TRUE(contains(late, R"("opacity": 240, )")) << late;
  EXPECT_TRUE(contains(late, R"(["PC2", "petr", )")) << late;
  EXPECT_FALSE(contains(run.read("after.json"), R"("dialog")"));
  // Opened again at 6 s, it starts its fade afresh and is open at the end.
  EXPECT_TRUE(contains(run.read("end.json"),
                       R"("caption": "О программе...", "opacity": 240, )"));
}

TEST(Runner, TheWorldOfTimeZeroIsThereBeforeStartUp) {
  ScenarioRun run;
  // The local host name is read once at start-up; with ignore-local on, an
  // opening attributed to this computer is not logged.
  std::ofstream(run.file("OV.CFG"), std::ios::binary)
      << "[Log]\r\nUse=1\r\nLocalCheck=1\r\nFiles=files.log\r\n";
  ASSERT_EQ(run.run("0 localhost SERVER1\n0 ui page 0\n"
                    "1 connect SERVER1 admin\n1 connect PC2 ivan\n"
                    "1 open 5 SERVER1 admin C:\\a.txt\n"
                    "1 open 6 PC2 ivan C:\\b.txt\n3 exit\n"),
            0)
      << run.errors();
  const std::string log = run.read("files.log");
  EXPECT_EQ(log.find("a.txt"), std::string::npos) << log;
  EXPECT_NE(log.find("[PC2] C:\\b.txt\r\n"), std::string::npos) << log;
}

TEST(Runner, AnAddressGivenToTheMachineIsPingedForReal) {
  ScenarioRun run;
  ASSERT_EQ(run.run("0 ping 127.0.0.1 machine\n"
                    "1 ui click mnu_pinger\n"
                    "1 ui dialog combo 127.0.0.1\n"
                    "1 ui dialog edit2 1000\n"
                    "1 ui dialog click Пинг\n",
                    {"--run-for", "2", "--dump", "end.json"}),
            0)
      << run.errors();
  const std::string dump = run.read("end.json");
  if (posix::PosixIcmp().LoadIcmpLibrary() == IcmpPort::Library::notAllowed) {
    EXPECT_TRUE(contains(dump,
                         R"("text": "Could not open an ICMP socket: )"
                         R"(not allowed (net.ipv4.ping_group_range)\r\n")"))
        << dump;
    return;
  }
  // Four real replies from the loopback, each after its journaled request.
  const std::string reply = "Reply from 127.0.0.1  Time=";
  std::size_t replies = 0;
  for (std::size_t at = dump.find(reply); at != std::string::npos;
       at = dump.find(reply, at + 1))
    ++replies;
  EXPECT_TRUE(contains(dump, R"("text": "Pinging 127.0.0.1 [127.0.0.1]\r\n)"))
      << dump;
  // Once in the memo's text and once among its lines.
  EXPECT_EQ(replies, 8u) << dump;
  const std::string echo = journalLine(
      "1.000", "IcmpSendEcho", R"("127.0.0.1", 1000, "--- Orvane Pinger ---")");
  std::vector<std::string> echoes;
  for (const std::string& line : run.journal())
    if (contains(line, "IcmpSendEcho")) echoes.push_back(line);
  EXPECT_EQ(echoes, (std::vector<std::string>{echo, echo, echo, echo}));
}

}  // namespace
}  // namespace ov::e2e
